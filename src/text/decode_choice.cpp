#include "text/decode_choice.h"

#include "text/decode_text.h"
#include "text/gbk_string.h"

namespace zorvqi {

const char* const kDecodeCheckBoxCaption = "字符解码（将%2E、\\u 、&#x 等字符转换成汉字）";
const char* const kMoreDecodingsCaption = "如需更多解码方式，请联系添加..";
const char* const kDecodeRefusedTitle = "保存失败";
const char* const kDecodeRefusedText = "没发现相应编码文本";

std::array<std::string, 3> decodePreviews(std::string_view sample) {
  return {decodeText(kDecodeUnicodeEscapes, sample), decodeText(kDecodePercentUtf8, sample),
          decodeText(kDecodePercentGbk, sample)};
}

DecodeChoice confirmDecodeChoice(int button, std::string_view sample) {
  if (button < kDecodeUnicodeEscapes || button > kDecodePercentGbk) return {};
  const std::string_view needed = button == kDecodeUnicodeEscapes ? "\\u" : "%";
  if (!gbkContains(sample, needed)) return {DecodeChoiceOutcome::Refused, 0};
  return {DecodeChoiceOutcome::Accepted, button};
}

}  // namespace zorvqi
