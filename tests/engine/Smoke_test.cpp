#include <gtest/gtest.h>

#include "BisectionModel.h"
#include "TableFixtures.h"

TEST(Smoke, AddSaveLoad) {
  auto T = MakeDict();
  ASSERT_TRUE(T);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(AddDict(*T, "q" + std::to_string(i), i % 3));
  TMemoryStream S;
  ASSERT_TRUE(T->Save(S));
  S.Seek(0);
  auto L = TRecordTable::LoadQuiet(S);
  ASSERT_TRUE(L);
  EXPECT_EQ(Questions(*L, 0), Questions(*T, 0));
  TBisectionModel M(*T);
  for (int i = 0; i < 100; ++i) M.Insert(T->RecordAt(0, i), dpAny);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(QuestionOf(M.At(1, i)->data()), QuestionOf(L->RecordAt(1, i)));
  EXPECT_EQ(L->Capacity(), T->Capacity());
}
