#include "utilities/dictionarynames.h"

#include <gtest/gtest.h>

namespace {

TEST(DictionaryNamesTest, LanguagesFromFileNames)
{
    EXPECT_EQ(DictionaryNames::dictionaryLanguages({"english.1-0-0.dic", "English.2-1-a.DIC", "norsk.1-0-0.dic",
                                                    "Danish.user.dic", "danish.1-0-0.user.dic", "german.dic",
                                                    "french.1-0.dic", "dutch.1-0-0.dic.bak", ".1-0-0.dic",
                                                    "Czech.x-y-z.dic", "readme.txt"}),
              QStringList({"Czech", "English", "Norsk"}));
    EXPECT_EQ(DictionaryNames::dictionaryLanguages({}), QStringList());
}

} // namespace
