// What the statements outside windows and popups put into the model and settings.
#include <string>

#include "model/colors.h"
#include "model/model.h"
#include "model/state.h"
#include "support/load_fixture.h"

using vx::model;
using vxtest::row;

namespace {

class LoadRecords : public vxtest::LoadTest {};

TEST_F(LoadRecords, FunctionsMessagesAndFieldsInFileOrder) {
  load(
      "function(tick 0 1)\n"
      "FUNCTION(@tick, 5, 0, 7)\n"
      "msg(hello |Hello, world (again) # not a comment|)\n"
      "msg(empty ||)\n"
      "field(status 1 2 3 4 peach)\n");
  ASSERT_EQ(model.nfunctions, 2);
  EXPECT_STREQ(model.functions[0].name, "tick");
  EXPECT_EQ(model.functions[0].perevent, 1);
  EXPECT_EQ(model.functions[0].entry, row("tick"));
  // The "@" stays in the declared name and is skipped for the binding.
  EXPECT_STREQ(model.functions[1].name, "@tick");
  EXPECT_EQ(model.functions[1].perevent, 0);
  EXPECT_EQ(model.functions[1].entry, row("tick"));

  ASSERT_EQ(model.nmessages, 2);
  EXPECT_STREQ(model.messages[0].name, "hello");
  EXPECT_STREQ(model.messages[0].text, "Hello, world (again) # not a comment");
  EXPECT_STREQ(model.messages[1].text, "");

  ASSERT_EQ(model.nfields, 1);
  const vx::Field& f = model.fields[0];
  EXPECT_STREQ(f.name, "status");
  EXPECT_EQ(f.left, 1);
  EXPECT_EQ(f.top, 2);
  EXPECT_EQ(f.width, 3);
  EXPECT_EQ(f.height, 4);
  EXPECT_EQ(f.color, 7);
  EXPECT_EQ(model.nwindows, 0);
  EXPECT_EQ(model.Win, nullptr);
}

TEST_F(LoadRecords, StyleValuesColoursAndIgnoredStatements) {
  EXPECT_EQ(vx::modelstate.settings.redrawfunction, nullptr);
  load(
      "palette\n"
      "(sky 10 20 63)\n"
      "(lgray 1 2 3)\n"
      "end\n"
      "alias(background sky)\n"
      "highlight(background)\n"
      "speedup(3)\n"
      "buttonstuff(dgray 1 white black)\n"
      "colorlist(black white sky background peach)\n"
      "CANCEL(a b c d)\n"
      "redrawfunc(redraw)\n");
  EXPECT_EQ(vx::convertcolor("sky"), 8);
  EXPECT_EQ(vx::modelstate.colors.palette[8][2], 63);
  EXPECT_EQ(vx::modelstate.colors.palette[4][0], 1);
  const vx::Settings& settings = vx::modelstate.settings;
  EXPECT_EQ(settings.highlightcolor, 8);
  EXPECT_EQ(settings.repeatspeed, 3);
  EXPECT_EQ(settings.framecolor, 2);
  EXPECT_EQ(settings.crossout, 1);
  EXPECT_EQ(settings.lightcolor, 1);
  EXPECT_EQ(settings.darkcolor, 0);
  ASSERT_EQ(vx::colorlistcount(), 1);
  EXPECT_EQ(vx::colorlistentry(0, 2), 8);
  EXPECT_EQ(vx::colorlistentry(0, 3), 8);
  EXPECT_EQ(vx::colorlistentry(0, 4), 7);
  EXPECT_EQ(settings.redrawfunction, row("redraw"));
}

TEST_F(LoadRecords, CommasAndCommentsAreSeparators) {
  load(
      "# a file of one field\n"
      "field(a,1,2,3,4,black) # trailing comment\n"
      "field(b 1 2 3 4 black)\n");
  ASSERT_EQ(model.nfields, 2);
  EXPECT_EQ(model.fields[0].height, 4);
}

}  // namespace
