#pragma once
// A last-in-first-out stack of fixed-size items. Its capacity follows fixed
// steps of 64 items (grown on a full push, shrunk on a pop that leaves more
// than 64 free slots) because callers and tests observe it; the memory behind
// it grows geometrically so long runs of pushes stay linear.

#include <cstdint>
#include <memory>
#include <vector>

class TItemStack {
public:
  static constexpr int32_t Step = 64;

  // Nil when ItemSize is 0.
  static std::unique_ptr<TItemStack> Create(uint16_t ItemSize);
  virtual ~TItemStack() = default;  // Done
  TItemStack(const TItemStack&) = delete;
  TItemStack& operator=(const TItemStack&) = delete;

  // Copies ItemSize bytes from Item onto the top; false when Item is nil.
  bool Push(const void* Item);
  // Copies the top item into Item and removes it; false when Item is nil or
  // the stack is empty. May shrink the capacity (see ShrinkEnabled).
  bool Pop(void* Item);

  int32_t Capacity() const { return FCapacity; }
  int32_t Count() const { return FCount; }
  uint16_t ItemSize() const { return FItemSize; }

  // Whether a pop may shrink the capacity; true after creation.
  bool ShrinkEnabled = true;

protected:
  explicit TItemStack(uint16_t ItemSize);

private:
  void Grow();
  void Shrink();

  int32_t FCapacity = 0;
  uint16_t FItemSize;
  int32_t FCount = 0;
  std::vector<uint8_t> FData;
};

// The two stacks shared by the whole program, alive from start to end.
TItemStack& HiddenForms();  // window references (opaque pointers)
TItemStack& LevelStack();   // signed 32-bit integers

bool PushForm(void* Form);
void* PopForm();  // nil when empty
bool PushInt(int32_t Value);
int32_t PopInt();  // 0 when empty
// Sets LevelStack's ShrinkEnabled to Shrink, then PopInt.
int32_t PopIntShrink(bool Shrink);
