// Calling through the callback table, by role. (Binding names from a description file,
// with its reports, is tested by loading files.)
#include "model/callbacks.h"

#include <string>

#include "support/fixture.h"

extern "C" {
void c_table_install(void);
int c_table_last(int which);
const char* c_table_lastname(void);
}

using vx::findfunction;

namespace {

class Callbacks : public vxtest::VxTest {};

TEST_F(Callbacks, EachFormIsCalledWithItsOwnArgumentsFromACTable) {
  c_table_install();
  EXPECT_EQ(vx::callname(findfunction("NAME_FUNC", VXFORM_NAME), "okbutton"), 1);
  EXPECT_STREQ(c_table_lastname(), "okbutton");

  EXPECT_EQ(vx::calldrag(findfunction("drag_func", VXFORM_DRAG), 4, 5, DRAGEND, "area"), 2);
  EXPECT_EQ(c_table_last(0), 4);
  EXPECT_EQ(c_table_last(1), 5);
  EXPECT_EQ(c_table_last(2), DRAGEND);
  EXPECT_STREQ(c_table_lastname(), "area");

  EXPECT_EQ(vx::callevent(findfunction("event_func", VXFORM_EVENT), 7, 8, 'q'), 3);
  EXPECT_EQ(c_table_last(2), 'q');
  EXPECT_EQ(vx::callplain(findfunction("plain_func", VXFORM_PLAIN)), 4);
  EXPECT_EQ(vx::callplain(nullptr), 0);
}

TEST_F(Callbacks, AGenericEntryServesEveryRoleAndSeesTheRole) {
  c_table_install();
  EXPECT_EQ(vx::callname(findfunction("any_func", VXFORM_NAME), "b"), VXFORM_NAME * 10 + 7);
  EXPECT_EQ(vx::calldrag(findfunction("any_func", VXFORM_DRAG), 1, 2, 3, nullptr),
            VXFORM_DRAG * 10 + 7);
  EXPECT_EQ(vx::callplain(findfunction("any_func", VXFORM_PLAIN)), VXFORM_PLAIN * 10 + 7);
}

TEST_F(Callbacks, GenericRecordCarriesTheArguments) {
  static VXcall seen{};
  static int tag = 0;
  static const FunctionEntry table[] = {{"probe",
                                         [](const VXcall* call) {
                                           seen = *call;
                                           return 0;
                                         },
                                         &tag}};
  VXsetfunctiontable(table, 1);
  vx::calldrag(findfunction("probe", VXFORM_DRAG), -3, 9, DRAGCLICK, "pad");
  EXPECT_EQ(seen.role, VXFORM_DRAG);
  EXPECT_EQ(seen.x, -3);
  EXPECT_EQ(seen.y, 9);
  EXPECT_EQ(seen.arg, DRAGCLICK);
  EXPECT_STREQ(seen.name, "pad");
  EXPECT_STREQ(seen.function, "probe");
  EXPECT_EQ(seen.data, &tag);
}

TEST_F(Callbacks, ANegativeRowCountIsRefused) {
  EXPECT_EXIT(
      {
        vxtest::capturestdout();
        VXsetfunctiontable(nullptr, -1);
      },
      testing::ExitedWithCode(255), "");
  EXPECT_NE(vxtest::readfile("error.log").find("not a callback table"), std::string::npos);
}

}  // namespace
