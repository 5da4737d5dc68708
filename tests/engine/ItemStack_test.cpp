#include "engine/ItemStack.h"

#include <gtest/gtest.h>

namespace {

void PushInts(TItemStack& S, int N) {
  for (int i = 0; i < N; ++i) ASSERT_TRUE(S.Push(&i));
}

void PopInts(TItemStack& S, int N) {
  int32_t V;
  for (int i = 0; i < N; ++i) ASSERT_TRUE(S.Pop(&V));
}

TEST(ItemStack, GrowsBySixtyFourOnFullPush) {
  auto S = TItemStack::Create(4);
  ASSERT_TRUE(S);
  EXPECT_EQ(S->Capacity(), 64);
  EXPECT_EQ(S->Count(), 0);
  PushInts(*S, 64);
  EXPECT_EQ(S->Capacity(), 64);
  PushInts(*S, 1);
  EXPECT_EQ(S->Capacity(), 128);
}

TEST(ItemStack, ShrinksOnlyWhenMoreThanSixtyFourFree) {
  struct Case {
    int Pushed, Popped, Capacity;
  } Cases[] = {
      {128, 64, 128},  // count 64: 64 free, stays
      {128, 65, 63},   // count 63: 65 free, shrinks to exactly the count
      {65, 65, 63},    // shrinks at count 63, then never more than 64 free
      {64, 64, 64},    // never above 64: nothing to shrink
  };
  for (const Case& C : Cases) {
    auto S = TItemStack::Create(4);
    PushInts(*S, C.Pushed);
    PopInts(*S, C.Popped);
    EXPECT_EQ(S->Capacity(), C.Capacity) << C.Pushed << " pushed, " << C.Popped << " popped";
    EXPECT_EQ(S->Count(), C.Pushed - C.Popped);
  }
}

TEST(ItemStack, PoppingTheLastItemOfALargeBlockLeavesSixtyFour) {
  auto S = TItemStack::Create(4);
  PushInts(*S, 65);
  S->ShrinkEnabled = false;
  PopInts(*S, 64);
  S->ShrinkEnabled = true;
  EXPECT_EQ(S->Capacity(), 128);
  PopInts(*S, 1);
  EXPECT_EQ(S->Capacity(), 64);
  EXPECT_EQ(S->Count(), 0);
}

TEST(ItemStack, KeepsLastInFirstOutAcrossGrowthAndShrink) {
  auto S = TItemStack::Create(4);
  PushInts(*S, 300);
  for (int i = 299; i >= 0; --i) {
    int32_t V = -1;
    ASSERT_TRUE(S->Pop(&V));
    ASSERT_EQ(V, i);
  }
  int32_t V;
  EXPECT_FALSE(S->Pop(&V));
}

TEST(ItemStack, NoShrinkWhileDisabled) {
  auto S = TItemStack::Create(4);
  PushInts(*S, 200);
  S->ShrinkEnabled = false;
  PopInts(*S, 200);
  EXPECT_EQ(S->Capacity(), 256);
}

TEST(ItemStack, RefusesNilAndZeroSize) {
  EXPECT_FALSE(TItemStack::Create(0));
  auto S = TItemStack::Create(2);
  EXPECT_FALSE(S->Push(nullptr));
  uint16_t V = 7;
  ASSERT_TRUE(S->Push(&V));
  EXPECT_FALSE(S->Pop(nullptr));
  EXPECT_EQ(S->Count(), 1);
}

TEST(SharedStacks, EmptyPopsGiveZeroAndNil) {
  while (LevelStack().Count()) PopInt();
  while (HiddenForms().Count()) PopForm();
  EXPECT_EQ(PopInt(), 0);
  EXPECT_EQ(PopForm(), nullptr);
  int A = 0, B = 0;
  EXPECT_TRUE(PushForm(&A));
  EXPECT_TRUE(PushForm(&B));
  EXPECT_EQ(PopForm(), &B);
  EXPECT_EQ(PopForm(), &A);
  EXPECT_TRUE(PushInt(-5));
  EXPECT_EQ(PopInt(), -5);
}

TEST(SharedStacks, PopIntShrinkSetsTheSwitchThenPops) {
  for (int i = 0; i < 200; ++i) PushInt(i);
  EXPECT_EQ(PopIntShrink(false), 199);
  for (int i = 0; i < 150; ++i) PopIntShrink(false);
  EXPECT_EQ(LevelStack().Capacity(), 256);
  PushInt(0);
  EXPECT_EQ(PopIntShrink(true), 0);  // re-enabling is also the moment it shrinks
  EXPECT_EQ(LevelStack().Capacity(), 49);
  while (LevelStack().Count()) PopInt();
  EXPECT_EQ(LevelStack().Capacity(), 49);  // never more than 64 free again
}

}  // namespace
