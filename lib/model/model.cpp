// The model's tables and their one allocation.
#include "model/model.h"

#include <cstring>
#include <new>

#include "core/log.h"
#include "model/reports.h"

namespace vx {

InterfaceModel model{};

namespace {

// A zeroed table of count records; a count of 0 has no storage.
template <class T>
T* table(int count, const char* what) {
  if (count <= 0) return nullptr;
  T* records = new (std::nothrow) T[static_cast<std::size_t>(count)]();
  if (records == nullptr) fatal(reports::NOMEMORYFORTABLE, what);
  return records;
}

}  // namespace

void allocatemodel(const ModelCounts& counts) {
  // A program may bring an interface up more than once (tools and tests do): what the
  // earlier load made goes first.
  releasemodel();
  if (counts.nwindows < 0 || counts.nwindows > MAXWINDOWS || counts.npopups < 0 ||
      counts.npopups > MAXPOPUPS)
    fatal(reports::MODELTOOLARGE, counts.nwindows, counts.npopups);

  model.nfunctions = counts.nfunctions;
  model.functions = table<FunctionDecl>(counts.nfunctions, "functions");
  model.nmessages = counts.nmessages;
  model.messages = table<Message>(counts.nmessages, "messages");

  model.npopups = counts.npopups;
  model.Popups = table<Popup>(counts.npopups, "popup menus");
  for (int p = 0; p < counts.npopups; p++) {
    Popup& popup = model.Popups[p];
    popup.nitems = counts.items[static_cast<std::size_t>(p)];
    popup.item = table<PopupItem>(popup.nitems, "popup menu labels");
  }

  model.nwindows = counts.nwindows;
  model.Win = table<Window>(counts.nwindows, "windows");
  for (int w = 0; w < counts.nwindows; w++) {
    Window& window = model.Win[w];
    window.nbuttons = counts.buttons[static_cast<std::size_t>(w)];
    window.wb = table<Button>(window.nbuttons, "buttons");
    window.ngraphics = counts.graphics[static_cast<std::size_t>(w)];
    window.graphics = table<Graphic>(window.ngraphics, "graphics");
  }

  model.nfields = counts.nfields;
  model.fields = table<Field>(counts.nfields, "fields");
}

void releasemodel() {
  for (int w = 0; w < model.nwindows; w++) {
    Window& window = model.Win[w];
    for (int b = 0; b < window.nbuttons; b++) {
      delete[] window.wb[b].name;
      delete[] window.wb[b].label;
    }
    for (int g = 0; g < window.ngraphics; g++) delete[] window.graphics[g].text;
    delete[] window.wb;
    delete[] window.graphics;
    delete[] window.name;
  }
  delete[] model.Win;
  for (int p = 0; p < model.npopups; p++) {
    Popup& popup = model.Popups[p];
    for (int i = 0; i < popup.nitems; i++) {
      delete[] popup.item[i].name;
      delete[] popup.item[i].label;
    }
    delete[] popup.item;
    delete[] popup.name;
  }
  delete[] model.Popups;
  for (int f = 0; f < model.nfields; f++) delete[] model.fields[f].name;
  delete[] model.fields;
  for (int m = 0; m < model.nmessages; m++) {
    delete[] model.messages[m].name;
    delete[] model.messages[m].text;
  }
  delete[] model.messages;
  for (int f = 0; f < model.nfunctions; f++) delete[] model.functions[f].name;
  delete[] model.functions;
  model = InterfaceModel{};
}

char* copytext(const char* text) {
  if (text == nullptr) text = "";
  std::size_t size = std::strlen(text) + 1;
  char* copy = new (std::nothrow) char[size];
  if (copy != nullptr) std::memcpy(copy, text, size);
  return copy;
}

}  // namespace vx
