// The property names of the section types, in the bundled English texts.
#include "sections/section_type_properties.h"

#include "sections_test_support.h"

using SectionTypePropertiesTest = SectionsTest;

TEST_F(SectionTypePropertiesTest, NamesFollowTheTypeInOrder) {
    EXPECT_EQ(sectionTypePropertyNames(1),
              (Kv_StringArray{"Height", "Width", "Web thickness", "Flange thickness", "Radius"}));
    EXPECT_EQ(sectionTypePropertyNames(10), (Kv_StringArray{"Height", "Width", "Thickness", "Radius"}));
    EXPECT_EQ(sectionTypePropertyNames(9), (Kv_StringArray{"Diameter"}));
}

TEST_F(SectionTypePropertiesTest, NumberedNamesKeepTheirTwoForms) {
    // Spaced numbers (an unequal angle's legs), joined digits (the cold-formed types).
    EXPECT_EQ(sectionTypePropertyNames(4), (Kv_StringArray{"Height", "Leg 1", "Leg 2", "Thickness"}));
    EXPECT_EQ(sectionTypePropertyNames(13),
              (Kv_StringArray{"Height", "Side 1", "Angle 1", "Angle 2", "Side 2", "Thickness"}));
    EXPECT_EQ(sectionTypePropertyNames(21),
              (Kv_StringArray{"Height", "Width", "Side1", "Thickness", "Side2", "Inner radius"}));
    EXPECT_EQ(sectionTypePropertyNames(24),
              (Kv_StringArray{"Height", "Width", "Thickness", "Width1", "Width2", "Lip", "Inner radius"}));
}

TEST_F(SectionTypePropertiesTest, EveryTypeHasNamesAndOthersHaveNone) {
    const int counts[] = {5, 4, 6, 4, 5, 8, 8, 2, 1, 4, 2, 4, 6, 3, 4, 4, 5, 7, 9, 6, 6, 4, 5, 7};
    for (int type = 1; type <= 24; ++type) EXPECT_EQ(sectionTypePropertyNames(type).length(), counts[type - 1]) << type;
    EXPECT_TRUE(sectionTypePropertyNames(0).isEmpty());
    EXPECT_TRUE(sectionTypePropertyNames(25).isEmpty());
    EXPECT_TRUE(sectionTypePropertyNames(-3).isEmpty());
}
