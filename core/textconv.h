// Small text conversions: hex, BCD, binary, padding, temperature display.
#pragma once

#include <cstdint>

#include "records.h"

int64_t TOOL_HexToInt(const ByteString& text);
ByteString TOOL_BytesToHexText(const ByteString& bytes);
ByteString TOOL_HexTextToBytes(const ByteString& text);
ByteString TOOL_StripControl(const ByteString& text);
ByteString TOOL_BytesToHex(const ByteString& bytes);
int64_t TOOL_BcdToInt(const ByteString& bytes);
int64_t TOOL_BinTextToInt(const ByteString& text);
ByteString TOOL_IntToBinText(int64_t value, int digits);
ByteString TOOL_TextBeforeSemicolon(const ByteString& text);
ByteString TOOL_DotToComma(const ByteString& text);
ByteString TOOL_StripBlanks(const ByteString& text);
// align 0 left, 1 right, 2 centred; any other gives an empty text.
ByteString TOOL_PadText(const ByteString& text, int width, int align);

// Temperature unit held by the main window: 0 Celsius, 1 Fahrenheit.
enum TemperatureUnitCode : uint8_t { TEMP_CELSIUS = 0, TEMP_FAHRENHEIT = 1 };
long double TOOL_TempToDisplay(long double celsius, uint8_t temperatureUnit);

// Upper-case ASCII letters only; other bytes (UTF-8 sequences included) stay as they are.
ByteString TOOL_UpperAscii(const ByteString& text);
// Fixed-point text with '.' as the decimal separator, whatever the locale ("%.*f").
ByteString TOOL_FormatFloat(long double value, int decimals);
// Shortest text that reads back as the same double, '.' as separator.
ByteString TOOL_FormatFloatShortest(long double value);
