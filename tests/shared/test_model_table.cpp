// What the model table gives each model: its parameter names, and what it shares with the
// other models of its family (the family's windows take it from the family's row).
#include <gtest/gtest.h>

#include <string>

#include "shared/ModelTable.h"
#include "shared/Public.h"
#include "shared/SettingsEntry.h"

using namespace posmod;

TEST(ModelTable, ParamNamesOfEachModel)
{
    Public p;
    struct Case {
        int type;
        const std::string* names;
        int rows;
    };
    const Case cases[] = {
        {1, p.PrmNameJV.data(), 12}, {2, p.PrmName7W.data(), 12}, {3, p.PrmName7WK.data(), 12},
        {4, p.PrmName7W.data(), 12}, {5, p.PrmNameZ4.data(), 23},
        {0, p.PrmName7W.data(), 12}, {9, p.PrmName7W.data(), 12}, // unlisted: the ZRH row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        int rows = -1;
        EXPECT_EQ(Model_ParamNames(p, c.type, rows), c.names);
        EXPECT_EQ(rows, c.rows);
    }
}

TEST(ModelTable, FamilyRowAnswersForEachModel)
{
    struct Case {
        int type;
        ModelFamily family;
        int autoWriteMode;
        int namedAxes;
    };
    const Case cases[] = {
        {1, ModelFamily::OneAxis, 6, 0}, {2, ModelFamily::TwoAxis, 8, 2}, {3, ModelFamily::TwoAxis, 8, 2},
        {4, ModelFamily::TwoAxis, 8, 2}, {5, ModelFamily::FourAxis, 7, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_EQ(Model_Family(c.type), c.family);
        const ModelRow& own = Model_ForType(c.type);
        const ModelRow& family = Model_OfFamily(c.family);
        EXPECT_EQ(family.family, c.family);
        EXPECT_EQ(own.autoWriteMode, c.autoWriteMode);
        EXPECT_EQ(family.autoWriteMode, c.autoWriteMode);
        EXPECT_EQ(own.namedAxes, c.namedAxes);
        EXPECT_EQ(AxisName_Count(c.family), c.namedAxes);
    }
}
