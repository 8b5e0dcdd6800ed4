// A description file as the library's loader reads it in its reporting mode: each of
// its reports placed and, where the tool can say more, explained; each statement as it
// is written, for the lint warnings, the callbacks and the start-up rules.
#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "callbacklist.h"
#include "diagnostics.h"
#include "lint.h"
#include "model/load.h"

namespace vxtool {

class Reading final : public vx::LoadSink {
 public:
  // What is kept: everything vxtool check shows, or what vxtool stubs stops at, the
  // statements that fit none of their forms and the names used in two forms.
  enum class Keep { CHECK, STUBS };
  Reading(Diagnostics& found, Keep keep) : found_(found), keep_(keep), linter_(found) {}

  void report(const vx::LoadReport& report) override;
  void statement(const vx::ReadStatement& statement) override;

  // After loading: what start-up refuses in the model loaded, the stores' sizes and
  // numbers (for an application that passes BSTORE) and the window popups open over;
  // and the lint warnings that need the whole file.
  void finish(bool bstore);

  const CallbackList& callbacks() const { return callbacks_; }

 private:
  void colornotfound(const vx::LoadReport& r, std::string text);
  void stores();

  Diagnostics& found_;
  Keep keep_;
  Linter linter_;
  CallbackList callbacks_;
  // Where each window statement that loads has its store number.
  std::vector<Place> stores_;
  Place firstpopup_;
  std::unordered_set<std::string> popups_;  // every popup's name, folded
  // Each alias's first statement: its colour and where it stands.
  struct Alias {
    std::string color;
    Place at;
  };
  std::unordered_map<std::string, Alias> aliases_;  // by folded name
  std::set<std::string> badaliases_;                // those reported
};

}  // namespace vxtool
