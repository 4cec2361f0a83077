// The plan editor's decode page: previews of a sample under each decoding, and which choice
// the confirm button accepts.
//
// Contract: `decodePreviews(sample)` gives the captions of the radio buttons bm1 to bm3, the
// sample decoded with modes 1 to 3. `confirmDecodeChoice(button, sample)` judges the confirm
// button with radio button `button` chosen (1 to 4 for bm1 to bm4, 0 for none): bm1 is
// accepted only when the sample holds "\u", bm2 and bm3 only when it holds "%" (both
// case-sensitive, stepping over GBK characters); an accepted choice gives its mode, which
// then becomes the caption of `转码标签` and checks `解码选择框`. A refused choice keeps the
// page open with the message kDecodeRefusedTitle/-Text. bm4 or no choice closes the page
// without a change. All texts are GBK.
// Thread safety: pure functions.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zorvqi {

extern const char* const kDecodeCheckBoxCaption;  // 解码选择框
extern const char* const kMoreDecodingsCaption;   // bm4
extern const char* const kDecodeRefusedTitle;
extern const char* const kDecodeRefusedText;

std::array<std::string, 3> decodePreviews(std::string_view sample);

enum class DecodeChoiceOutcome { Accepted, Refused, ClosedUnchanged };

struct DecodeChoice {
  DecodeChoiceOutcome outcome = DecodeChoiceOutcome::ClosedUnchanged;
  int mode = 0;  // 1 to 3 when accepted
};

DecodeChoice confirmDecodeChoice(int button, std::string_view sample);

}  // namespace zorvqi
