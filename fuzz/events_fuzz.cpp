// Fuzz target: a description file, then "%%%%" and events: each five bytes a type (its
// low three bits, so now and then one the dispatcher does not know), x and y (16 bits
// each, little-endian), the last byte also the key of a key press. The interface is brought up and
// every event handed to the dispatcher, as the event loop would.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "harness.h"
#include "model/model.h"
#include "render/platform/platform.h"
#include "vx.h"

namespace {

constexpr std::string_view MARK = "%%%%";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vxfuzz::start();
  VXPopenwindow("fuzz", nullptr, nullptr, "--vx-backend=headless", 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t mark = input.find(MARK);
  std::string_view description = input.substr(0, mark);
  std::string_view events =
      mark == std::string_view::npos ? std::string_view{} : input.substr(mark + MARK.size());
  try {
    vxfuzz::bringup(description.data(), description.size(), 16);
    if (vx::model.nfunctions > 0) VXsetkeyboardhandler(vx::model.functions[0].name);
    for (std::size_t at = 0; at + 5 <= events.size(); at += 5) {
      const auto* e = reinterpret_cast<const std::uint8_t*>(events.data() + at);
      Event event{};
      // Repaints are slow to fuzz through: one only when the key byte is 0 as well.
      int type = e[0] & 7;
      event.type = static_cast<std::int8_t>(type == EXPOSE && e[4] != 0 ? MOTION : type);
      event.x = static_cast<std::int16_t>(e[1] | e[2] << 8);
      event.y = static_cast<std::int16_t>(e[3] | e[4] << 8);
      event.key = e[4];
      vx::dispatchevent(event);
    }
  } catch (const vxfuzz::Fatal&) {
  }
  vx::releasemodel();
  return 0;
}
