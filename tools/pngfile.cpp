// PNG through libpng: reading with its full interface (palette indexes and gray levels as
// they are), writing with its simplified one.
#include "pngfile.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/writefile.h"
#include "picturelimits.h"

namespace vxtool {

namespace {

// What the read needs after a long jump: kept outside the function that jumps, so that
// nothing in it is left half made.
struct Reading {
  std::FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<png_byte> bytes;
  std::vector<png_bytep> rows;
  std::string error;
};

void onerror(png_structp png, png_const_charp message) {
  static_cast<Reading*>(png_get_error_ptr(png))->error = message;
  png_longjmp(png, 1);
}

void onwarning(png_structp, png_const_charp) {}

// The read itself; false with r->error set. Every object it touches lives in `r`.
bool decode(Reading* r, Values* values) {
  if (setjmp(png_jmpbuf(r->png)) != 0) return false;
  png_init_io(r->png, r->file);
  png_read_info(r->png, r->info);
  png_uint_32 width = 0, height = 0;
  int depth = 0, type = 0, interlace = 0;
  png_get_IHDR(r->png, r->info, &width, &height, &depth, &type, &interlace, nullptr, nullptr);
  if (type != PNG_COLOR_TYPE_PALETTE && type != PNG_COLOR_TYPE_GRAY) {
    r->error =
        "it is neither a palette image nor a gray one without alpha; RL4 holds "
        "palette indexes or gray levels";
    return false;
  }
  // Refused from the header, before the pixels take their memory.
  if (height > MAXRL4ROWS) {
    r->error = std::to_string(height) + " rows are more than an RL4 row table holds (" +
               std::to_string(MAXRL4ROWS) + ")";
    return false;
  }
  if (width > 65535) {
    r->error = std::to_string(width) + " columns are more than RL4 holds (65535)";
    return false;
  }
  if (std::uint64_t{width} * height > MAXPIXELS) {
    r->error = "its " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels are more than vxtool takes in one picture (" + std::to_string(MAXPIXELS) +
               ")";
    return false;
  }
  if (depth < 8) png_set_packing(r->png);  // one byte a pixel, values kept
  png_set_interlace_handling(r->png);
  png_read_update_info(r->png, r->info);
  std::size_t rowbytes = png_get_rowbytes(r->png, r->info);
  r->bytes.resize(rowbytes * height);
  r->rows.resize(height);
  for (png_uint_32 y = 0; y < height; y++) r->rows[y] = r->bytes.data() + y * rowbytes;
  png_read_image(r->png, r->rows.data());
  png_read_end(r->png, nullptr);
  values->width = static_cast<int>(width);
  values->height = static_cast<int>(height);
  values->pixels.resize(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < values->pixels.size(); i++) {
    // Sixteen-bit levels are stored high byte first.
    values->pixels[i] = depth == 16
                            ? static_cast<std::uint16_t>(r->bytes[2 * i] << 8 | r->bytes[2 * i + 1])
                            : r->bytes[i];
  }
  return true;
}

}  // namespace

bool readvalues(const char* path, Values* values, std::string* why) {
  Reading r;
  r.file = std::fopen(path, "rb");
  if (r.file == nullptr) {
    *why = std::strerror(errno);
    return false;
  }
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, onerror, onwarning);
  if (r.png != nullptr) r.info = png_create_info_struct(r.png);
  bool read = r.png != nullptr && r.info != nullptr && decode(&r, values);
  if (!read) *why = r.error.empty() ? "it is not a PNG file libpng can read" : r.error;
  png_destroy_read_struct(&r.png, &r.info, nullptr);
  std::fclose(r.file);
  return read;
}

bool writeindexed(const char* path, const Values& values,
                  const std::vector<std::uint8_t>& palette) {
  std::size_t colours = palette.size() / 3;
  std::vector<png_byte> indexes(values.pixels.size());
  for (std::size_t i = 0; i < indexes.size(); i++)
    indexes[i] = static_cast<png_byte>(values.pixels[i] < colours ? values.pixels[i] : colours - 1);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(values.width);
  image.height = static_cast<png_uint_32>(values.height);
  image.format = PNG_FORMAT_RGB_COLORMAP;
  image.colormap_entries = static_cast<png_uint_32>(colours);
  bool written = vx::writefile(path, [&](std::FILE* file) {
    return png_image_write_to_stdio(&image, file, 0, indexes.data(), 0, palette.data()) != 0;
  });
  int reason = errno;  // the caller's message says why
  png_image_free(&image);
  errno = reason;
  return written;
}

}  // namespace vxtool
