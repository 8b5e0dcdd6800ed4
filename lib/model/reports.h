// The library's reports about a description file and what it makes, each a printf
// format, byte for byte as the library writes them. The loader and start-up use them,
// and tools compare a report's format with them to know which one they got.
#pragma once

namespace vx::reports {

// Reading the file.
inline constexpr char CANNOTOPEN[] = "Cannot open interface file |%s|.\n";
inline constexpr char ERRORONLINE[] = "Error on line: %d.\nLine: |%s|\nMessage: %s.\n";
inline constexpr char PARSEERROR[] = "parse error";
inline constexpr char NOPOPUPYET[] = "plabel before the first popup statement";
inline constexpr char NOMEMORYONLINE[] = "Out of memory for a name or text on line %d.\n";

// What the statements refuse.
inline constexpr char TOOMANYWINDOWS[] = "Too many windows declared in interface file\n";
inline constexpr char TOOMANYPOPUPS[] = "Too many popup menus declared in interface file\n";
inline constexpr char TOOMANYCOLORS[] =
    "Too many colors.\nPalette was initialized with %d colors.\nLast color: |%s|.\n";
inline constexpr char TOOMANYALIASES[] = "Too many aliases.\n";
inline constexpr char TOOMANYCOLORLISTS[] = "Too many colorlists.\n";
inline constexpr char OLDPALETTE[] =
    "This interface file uses an old palette entry syntax.\n  You can no longer set the index "
    "of a palette entry in the interface file.\n  Please contact Project Varnex about this "
    "problem.\n";
// "line", "label" or nothing, by the statement.
inline constexpr char NOWINDOW[] = "No active window for %s.\n";
inline constexpr char COLORNOTFOUND[] = "convertcolor: color alias not found.\n\tAlias = |%s|\n";
// What was looked for ("window", "popup", "function" ...), and its name.
inline constexpr char NOTFOUND[] = "getname: Couldn't find |%s| named |%s|\n";
// The function, the role it is used in and the form its row holds, both with their
// article (callbacks.h has the words).
inline constexpr char WRONGFORM[] =
    "Function |%s| is used as %s callback, but its table entry holds %s callback.\n";

// What the statements warn about and go on.
inline constexpr char NAMETOOLONG[] = "Name too long: |%s|.\n";
inline constexpr char BUTTONNAMETOOLONG[] = "Name too long: |%s|\n";
inline constexpr char LABELTOOLONG[] = "Label too long: |%s|\n";
inline constexpr char FUNCTIONNAMETOOLONG[] = "Function name too long: |%s|.\n";
inline constexpr char JUSTIFICATION[] =
    "Button |%s|: justification |%s| is not C, L or R; the label is centred.\n";

// What the loader and its tables run into.
inline constexpr char NOMEMORYFOR[] = "Out of memory for %s |%s|.\n";
inline constexpr char NOMEMORYFORTABLE[] = "Out of memory for %s\n";
inline constexpr char MODELTOOLARGE[] =
    "Too many windows (%d) or popup menus (%d) for the interface model.\n";
inline constexpr char MISCOUNTED[] = "Interface file records do not match their count.\n";
inline constexpr char NOMEASURE[] = "Popups cannot be sized: nothing measures text yet.\n";
inline constexpr char NOTATABLE[] =
    "VXsetfunctiontable: a table of %d rows at %p is not a callback table.\n";

// Start-up, over the loaded model.
inline constexpr char STORENUMBER[] = "Error:  can't have bstore # %d";
inline constexpr char STORECREATE[] =
    "Error:  cannot initialize backing store %d.  Out of memory.\n";

// In the loader's reporting mode, a statement that fits none of its forms says why
// instead of "parse error": the statement's name, the tokens as DESCRIBED below.
inline constexpr char UNKNOWNSTATEMENT[] = "unknown statement '%s'";
inline constexpr char NOTASTATEMENT[] = "expected a statement, found %s";
inline constexpr char NOPARENTHESIS[] = "expected '(' after %s, found %s";
inline constexpr char UNCLOSED[] = "unclosed ( opened on line %d";
inline constexpr char UNCLOSEDTEXT[] =
    "unclosed ( opened on line %d (the text on line %d has no "
    "closing bar)";
inline constexpr char UNEXPECTED[] = "unexpected %s in %s";
inline constexpr char VALUECOUNT[] = "%s takes %s values; this one has %d";
// The value's number (from 1), the statement, the value's name, the kind it must be
// and what it is.
inline constexpr char VALUEKIND[] = "value %d of %s (%s) must be %s; found %s";
inline constexpr char KEYWORDVALUE[] =
    "value %d of %s (%s) must be %s; found %s, which cannot "
    "be a name";
inline constexpr char NOSTATEMENT[] = "the file holds no statement";
// The kind the value must be, and a number with the word written right after it ("4x4").
inline constexpr char GLUEDVALUE[] = "expected %s, found '%s'";

// Tokens DESCRIBED.
inline constexpr char ENDOFFILE[] = "the end of the file";
inline constexpr char ANUMBER[] = "the number %d";
inline constexpr char ATEXT[] = "the text |%s|";
inline constexpr char AOPENTEXT[] = "the text |%s";
inline constexpr char ANAME[] = "the name '%s'";
inline constexpr char AKEYWORD[] = "the statement word '%s'";
inline constexpr char ANUL[] = "a NUL byte";
inline constexpr char ACHARACTER[] = "'%c'";
inline constexpr char ABYTE[] = "the byte 0x%02x";

}  // namespace vx::reports
