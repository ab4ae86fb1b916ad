// The rules of the scale and data-range dialogs, kept apart from their
// widgets: the step texts, which steps and row ranges are accepted, where
// "次へ" and "戻る" move the start row, how the end row follows the start,
// and how the dialogs' number texts are converted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvx::plot {

// Scale dialog ------------------------------------------------------------------

/// A tick step as the scale dialog shows it: three decimals (50 -> "50.000", 0.0025 -> "0.003").
std::string scaleStepText(double step);

/// Both manual steps must be positive.
bool scaleAccepted(double xStep, double yStep);

inline constexpr const char* kScaleRefusal = "目盛り設定が正しくありません";
inline constexpr const char* kScaleRefusalCaption = "目盛り設定エラー";

// Data-range dialog ---------------------------------------------------------------

/// The row spinners' range.
inline constexpr int kFirstSpinnerRow = 1;
inline constexpr int kLastSpinnerRow = 30000;

/// A spinner position as the spinner keeps it: clamped to 1 ... 30000.
int spinnerPosition(long long row);

/// Rows first ... last (from 1) are shown when first > 0, last <= rowCount and
/// first < last. Pass rowCount 0 when no file has been read.
bool rangeAccepted(int first, int last, int rowCount);

/// Start row after an accepted "次へ": first + increment, or 1 past the last row;
/// unchanged for increment 0. A spinner position.
int startAfterNext(int first, int increment, int rowCount);

/// Start row after an accepted "戻る": first - increment, not below 1. A spinner position.
int startAfterBack(int first, int increment);

/// End row dragged along by a new start row: min(rowCount, first + increment - 1)
/// as a spinner position; nothing for increment 0 (the end stays).
std::optional<int> endFollowingStart(int first, int increment, int rowCount);

inline constexpr const char* kRangeRefusal = "データ範囲の指定が正しくありません";
inline constexpr const char* kRangeRefusalCaption = "データ範囲エラー";

// Number texts ------------------------------------------------------------------

/// A decimal number as typed: blanks around it allowed, then [+-] digits [. digits]
/// [(e|E) [+-] digits], with digits on at least one side of the point. Nothing
/// for anything else (empty, "abc", "1,5", "inf", out of the double range).
std::optional<double> parseDecimal(std::string_view text);

/// A decimal integer as typed: leading blanks, [+-] digits, within 32 bits.
std::optional<int> parseInteger(std::string_view text);

/// The conversion errors reported for texts that are not numbers (UTF-8).
std::string notADecimalMessage(std::string_view text);
std::string notAnIntegerMessage(std::string_view text);
inline constexpr const char* kConversionErrorCaption = "Kurvadex";

}  // namespace kvx::plot
