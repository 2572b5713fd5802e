#pragma once

// Texts from firmware, drives, the kernel and the network are bytes of uncertain encoding. Every
// rule that turns them into text lives here, over one UTF-8 decoder, and each rule's name says what
// it keeps and what it drops. They differ from source to source, and every recorded output was
// made with its source's rule, so they stay apart.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::text {

// What nextUtf8 gives for a byte that starts no valid sequence.
constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The character at bytes[at], moving `at` past it. A stray continuation byte, an overlong form, a
// surrogate, a value past U+10FFFF or a sequence cut short gives kNotUtf8 and moves one byte, so
// decoding resumes right after the bad byte.
char32_t nextUtf8(std::string_view bytes, std::size_t &at);
void appendUtf8(std::string &out, char32_t code);
void appendUtf16(std::u16string &out, char32_t code);

// C0 controls, DEL and C1 controls.
bool isControl(char32_t code);
// Bidirectional embeddings, overrides and isolates: they reorder whatever follows them.
bool isBidiControl(char32_t code);

// Firmware strings: valid UTF-8 kept, every other byte read as Latin-1; C0 controls and DEL become
// spaces (C1 controls stay). Nothing is trimmed.
std::string utf8OrLatin1ControlsAsSpaces(std::string_view bytes);

// Drive strings: every byte read as Latin-1; controls, DEL, the no-break space and the soft hyphen
// become spaces, and spaces at both ends are trimmed.
std::string latin1ControlsAsSpacesTrimmed(std::string_view bytes);

// Kernel attributes: valid UTF-8 only (other bytes dropped), controls (C0, DEL, C1) dropped,
// spaces at both ends trimmed.
std::string validUtf8WithoutControlsTrimmed(std::string_view bytes);

// Text bound for any output (window, HTML, JSON, CSV, terminal): each byte that is not valid UTF-8
// becomes U+FFFD, a leading byte-order mark is dropped, and controls (C0, DEL, C1) and bidirectional
// controls are dropped.
std::u16string utf16WithoutControlsOrBidi(std::string_view utf8);

// Character codes as ROOT\WMI lists them: the codes up to the first 0; codes that are no UTF-16
// unit, controls and unpaired surrogate halves dropped; white space at both ends trimmed; then
// bidirectional controls dropped.
std::u16string charCodesWithoutControlsOrBidi(const std::vector<std::int64_t> &codes);

// UTF-16 up to the first zero unit as UTF-8; unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view units);

} // namespace platform::text
