// vxtool rl4: PNG pictures to RL4 files and back, and what an RL4 file holds.
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "arguments.h"
#include "commands.h"
#include "core/writefile.h"
#include "model/colors.h"
#include "picturelimits.h"
#include "pngfile.h"
#include "rl4encode.h"
#include "vx.h"

namespace vxtool {

const char RL4USAGE[] =
    "usage: vxtool rl4 encode IN.png -o OUT.rl4 [--bits 4|8|12|16]\n"
    "       vxtool rl4 decode IN.rl4 -o OUT.png [--colors 16|256]\n"
    "       vxtool rl4 info IN.rl4\n"
    "\n"
    "  encode  turns a palette PNG (its indexes) or a gray one (its levels) into an RL4\n"
    "          picture, in the packing whose file is smallest of those that hold every\n"
    "          value\n"
    "  decode  turns an RL4 picture into a palette PNG, its values coloured with the\n"
    "          library's palette before a description changes it; a value that the\n"
    "          palette does not hold is refused\n"
    "  info    prints an RL4 file's packing, rows, columns and size and checks every\n"
    "          row; the status is 1 when it finds a problem\n"
    "\n"
    "options:\n"
    "  -o FILE           encode, decode: the file to write (required)\n"
    "  --bits 4|8|12|16  encode: the packing, in bits a value, instead of the smallest\n"
    "  --colors 16|256   decode: the size of the palette (unless told: 16 when every\n"
    "                    value is below 16, else 256)\n"
    "  -h, --help        print this usage and exit\n";

namespace {

int usage(const std::string& problem) { return misuse("rl4", problem, RL4USAGE); }

int fail(const char* what, const char* path, const std::string& why) {
  std::fprintf(stderr, "vxtool rl4: %s %s: %s\n", what, path, why.c_str());
  return 1;
}

// The whole file; false with `why` set when it cannot be read or is larger than any
// picture vxtool takes, which is found before the read when the file says its size.
bool readrl4(const char* path, std::string* bytes, std::string* why) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    *why = std::strerror(errno);
    return false;
  }
  struct stat status {};
  bool large = fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) &&
               static_cast<std::uint64_t>(status.st_size) > MAXRL4BYTES;
  char block[65536];
  std::size_t got;
  while (!large && (got = std::fread(block, 1, sizeof block, file)) > 0) {
    bytes->append(block, got);
    large = bytes->size() > MAXRL4BYTES;
  }
  int reason = std::ferror(file) != 0 ? errno : 0;
  std::fclose(file);
  if (large)
    *why = "it is larger than the " + std::to_string(MAXRL4BYTES) +
           " bytes vxtool reads of an RL4 file";
  else if (reason != 0)
    *why = std::strerror(reason);
  return !large && reason == 0;
}

int encode(const char* in, const char* out, int bits) {
  Values values;
  std::string why;
  if (!readvalues(in, &values, &why)) return fail("cannot encode", in, why);
  // Without a choice: of the packings that hold every value, the one whose file is
  // smallest (the fewer bits on a tie).
  std::string best;
  for (int b : {4, 8, 12, 16}) {
    if (bits != 0 && b != bits) continue;
    std::string reason;
    std::string file = encoderl4(values, b, &reason);
    if (file.empty()) {
      if (bits != 0 || b == 16) why = reason;
      continue;
    }
    if (best.empty() || file.size() < best.size()) best = file;
  }
  if (best.empty()) return fail("cannot encode", in, why);
  if (!vx::writefile(out, [&](std::FILE* file) {
        return std::fwrite(best.data(), 1, best.size(), file) == best.size();
      }))
    return fail("cannot write", out, std::strerror(errno));
  return 0;
}

int decode(const char* in, const char* out, int colors) {
  std::string bytes, why;
  if (!readrl4(in, &bytes, &why)) return fail("cannot read", in, why);
  // Read by the library's own loader, as a program would load it.
  std::vector<unsigned char> buffer(bytes.size() > 8 ? bytes.size() - 8 : 1);
  Picture picture{};
  int loaded = 0;
  // The file again, as read above: the size was checked on those bytes.
  if (std::FILE* file = bytes.size() > 8 ? std::fopen(in, "rb") : nullptr) {
    loaded = VXloadpicture(file, &picture, buffer.data());
    std::fclose(file);
  }
  if (loaded == 0) return fail("cannot decode", in, "it is not an RL4 picture");
  std::string size = std::to_string(picture.cols) + " x " + std::to_string(picture.rows);
  if (picture.cols == 0 || picture.rows == 0)
    return fail("cannot decode", in,
                "it holds no pixels (" + size + "), and a PNG picture must hold one at least");
  if (std::uint64_t{picture.cols} * picture.rows > MAXPIXELS)
    return fail("cannot decode", in,
                "its " + size + " pixels are more than vxtool takes in one picture (" +
                    std::to_string(MAXPIXELS) + ")");
  Values values;
  values.width = picture.cols;
  values.height = picture.rows;
  values.pixels.resize(static_cast<std::size_t>(values.width) * values.height);
  std::vector<std::int16_t> row(picture.cols);
  for (int y = 0; y < values.height; y++) {
    VXgetpicturepixel(&picture, 0, y, row.data(), picture.cols);
    for (int x = 0; x < values.width; x++)
      values.pixels[static_cast<std::size_t>(y) * values.width + x] =
          static_cast<std::uint16_t>(row[x]);
  }
  // A value past the palette would come out as another one, without a word.
  unsigned most = largest(values);
  if (colors == 0) colors = most < 16 ? 16 : 256;
  if (most >= static_cast<unsigned>(colors))
    return fail("cannot decode", in,
                "a value is " + std::to_string(most) + ", more than a " + std::to_string(colors) +
                    "-colour palette holds (" + std::to_string(colors - 1) + ")" +
                    (colors == 16 ? "; --colors 256 shows it"
                                  : "; a PNG palette holds 256 colours at most"));
  // The library's palette as a program gets it before its description changes it.
  vx::setcolorcount(colors);
  vx::installbuiltincolors();
  std::vector<std::uint8_t> palette;
  for (int i = 0; i < colors; i++)
    for (int c = 0; c < 3; c++)
      palette.push_back(static_cast<std::uint8_t>(vx::modelstate.colors.palette[i][c] * 4));
  if (!writeindexed(out, values, palette)) return fail("cannot write", out, std::strerror(errno));
  return 0;
}

// Everything a reader relies on, checked byte by byte.
int info(const char* in) {
  std::string bytes, why;
  if (!readrl4(in, &bytes, &why)) return fail("cannot read", in, why);
  auto at16 = [&](std::size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(bytes[i]) |
                                 static_cast<unsigned char>(bytes[i + 1]) << 8);
  };
  if (bytes.size() < 10 || bytes.compare(0, 3, "RUN") != 0)
    return fail("cannot read", in, "it is not an RL4 file (no \"RUN\" header)");
  int packing = static_cast<unsigned char>(bytes[3]);
  int bits = packing == 0x84   ? 4
             : packing == 0x88 ? 8
             : packing == 0x8C ? 12
             : packing == 0x90 ? 16
                               : 0;
  unsigned rows = at16(4), cols = at16(6), offset = at16(8);
  std::printf("tag        RUN + 0x%02X (%s)\n", packing,
              bits == 0 ? "unknown packing" : (std::to_string(bits) + "-bit values").c_str());
  std::printf("rows       %u\ncolumns    %u\nfile size  %zu bytes\n", rows, cols, bytes.size());
  std::vector<std::string> problems;
  if (bits == 0) problems.push_back("the packing byte is none of 0x84, 0x88, 0x8C, 0x90");
  std::size_t table = 10 + 2 * static_cast<std::size_t>(rows);
  if (offset != table)
    problems.push_back("the row offset is " + std::to_string(offset) + ", not " +
                       std::to_string(table));
  if (bytes.size() < table) {
    problems.push_back("the file ends inside its row table");
  } else {
    std::size_t start = table, total = 0;
    for (unsigned r = 0; r < rows; r++) total += at16(10 + 2 * r);
    if (table + total != bytes.size())
      problems.push_back("the row lengths add up to " + std::to_string(total) +
                         " bytes, the file holds " + std::to_string(bytes.size() - table));
    int size = bits == 4 ? 1 : bits == 16 ? 3 : 2;
    for (unsigned r = 0; r < rows && bits != 0; r++) {
      if (problems.size() == 10) {
        problems.push_back("(the rows after " + std::to_string(r) + " are not checked)");
        break;
      }
      std::size_t length = at16(10 + 2 * r), end = std::min(start + length, bytes.size());
      long pixels = 0;
      std::size_t p = start;
      for (; p + size <= end; p += size) {
        auto b = [&](std::size_t k) { return static_cast<unsigned char>(bytes[p + k]); };
        int count = bits == 4 ? b(0) >> 4 : bits == 12 ? (b(0) | b(1) << 8) >> 12 : b(0);
        pixels += count == 0 ? (bits == 4 || bits == 12 ? 16 : 256) : count;
      }
      if (p != end || end != start + length)
        problems.push_back("row " + std::to_string(r) + " ends inside a run or past the file");
      else if (pixels != static_cast<long>(cols))
        problems.push_back("row " + std::to_string(r) + "'s runs add up to " +
                           std::to_string(pixels) + " columns, not " + std::to_string(cols));
      start += length;
    }
  }
  if (problems.empty()) {
    std::printf(
        "check      every row's runs add up to its columns; the row table matches the file\n");
    return 0;
  }
  for (const std::string& problem : problems) std::printf("problem    %s\n", problem.c_str());
  return 1;
}

}  // namespace

int rl4(int argc, char** argv) {
  if (argc < 1) return usage("which: encode, decode or info?");
  std::string what = argv[0];
  if (ishelp(what)) return help(RL4USAGE);
  if (what != "encode" && what != "decode" && what != "info")
    return usage("unknown job '" + what + "'");
  const char* out = nullptr;
  int bits = 0, colors = 0;  // colors 0: as many as the picture needs
  std::vector<const char*> files;
  // Each job takes only its own options; another's is as wrong as an unknown one.
  Arguments arguments("rl4", RL4USAGE);
  arguments.operands(files, 1, 1, "no input file given");
  if (what != "info")
    arguments.valued("-o", [&](std::string_view value) {
      out = value.data();
      return std::string();
    });
  if (what == "encode")
    arguments.valued("--bits", [&](std::string_view value) {
      if (value != "4" && value != "8" && value != "12" && value != "16")
        return std::string("--bits takes 4, 8, 12 or 16, not '").append(value).append("'");
      bits = std::stoi(std::string(value));
      return std::string();
    });
  if (what == "decode") arguments.valued("--colors", colorsvalue(colors));
  if (auto done = arguments.parse(argc - 1, argv + 1)) return *done;
  const char* in = files[0];
  if (what != "info" && out == nullptr) return usage("no output file given (-o)");
  if (what == "encode") return encode(in, out, bits);
  if (what == "decode") return decode(in, out, colors);
  return info(in);
}

}  // namespace vxtool
