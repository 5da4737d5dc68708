#pragma once
// Owned texts kept in table records. A length-prefixed text is one length
// byte N and N bytes (no terminator), made by NewText/NewTextFrom and released
// by DisposeText; the empty text is always the shared EmptyText, never freed.
// A zero-terminated text is made by NewCText and released by DisposeCText.
// Both live in malloc'd blocks; nil stands for an absent text.

#include <cstdint>
#include <string>
#include <string_view>

using PText = uint8_t*;

// The shared empty text: a single zero byte. Never written, never freed.
extern const PText EmptyText;

// An owned copy of the length-prefixed text T (1 + T[0] bytes); EmptyText
// when T is nil or empty. Nil only when memory runs out.
PText NewText(const uint8_t* T);
// NewText of S cut to its first 255 bytes.
PText NewTextFrom(std::string_view S);
// Frees T unless it is nil or EmptyText.
void DisposeText(PText T);
// The bytes of a length-prefixed text; empty for nil.
std::string_view TextView(const uint8_t* T);
inline std::string TextString(const uint8_t* T) { return std::string(TextView(T)); }

// An owned zero-terminated copy of S (S.size() + 1 bytes). Nil only when memory runs out.
char* NewCText(std::string_view S);
void DisposeCText(char* T);
