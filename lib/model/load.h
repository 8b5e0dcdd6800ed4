// Loading the description file into the interface model.
#pragma once

#include <cstddef>
#include <string>

namespace vx {

// The width in pixels of a text in the bold font. Popups are sized by their labels, but
// text is measured by the layer that draws it, which hands this over before anything is
// loaded (bringing the interface up does).
using BoldWidth = int (*)(const char* text);
void setboldwidth(BoldWidth measure);

// Measures through what was handed over; fatal when nothing was.
int boldwidth(const char* text);

// Reads the file once and parses it twice: a counting pass, after which every table
// is allocated at its final size, and a filling pass in file order. The colour count
// must be set first. Every failure is fatal.
void loaddescription(const char* path);

// The same for a description already in memory.
void loaddescriptiontext(const char* text, std::size_t size);

// The whole file; "Cannot open interface file" (fatal) when it cannot be opened or
// read, whether it is missing, unreadable or a folder.
std::string readdescription(const char* path);

}  // namespace vx
