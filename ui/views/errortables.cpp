#include "errortables.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "devicelist.h"

namespace {

const ErrorClassRows kRows1{
    {"ERRBEZ", "ERRSTATE", "ERRCODE", "ERRCOUNT", "ERRTEMP", "ERRZUSTAND", "ERRUB", "ERRTBR"},
    11,
    true};
const ErrorClassRows kRows2{{"ERRBEZ", "ERRCOUNT"}, 11, true};
const ErrorClassRows kRows3{{"ERRBEZ", "ERRSTATE", "ERRCODE", "ERRCOUNT", "ERRTEMP", "ERRZUSTAND",
                             "ERRUB", "ERRTBR", "ERRTBRNS"},
                            11,
                            true};
const ErrorClassRows kRows4{
    {"ERRBEZ", "ERRCODE", "ERRCOUNT", "ERRZUSTAND", "ERRONTIME", "ERRHEATTIME", "ERRUB"},
    10,
    false};
const ErrorClassRows kRows5{
    {"ERRBEZ", "ERRCODE", "ERRCOUNT", "ERRZUSTAND", "ERRTEMP", "ERRUB", "ERRONTIME", "ERRHEATTIME"},
    10,
    false};

using Pair = std::pair<int32_t, int>;  // code, help context

const Pair kHelp1[] = {{1, 2103},   {2, 2104},   {3, 2105},   {4, 2107},   {5, 2113},
                       {6, 2110},   {9, 2117},   {11, 2121},  {16, 2115},  {20, 2111},
                       {25, 2119},  {26, 2108},  {32, 2124},  {33, 2125},  {129, 2101},
                       {130, 2104}, {131, 2105}, {132, 2106}, {133, 2113}, {137, 2118},
                       {139, 2122}, {144, 2116}, {148, 2112}, {153, 2120}, {154, 2109}};

const int32_t kCodes2[] = {0x100, 0x101, 0x200, 0x300, 0x400, 0x500, 0x501,
                           0x600, 0x601, 0x700, 0x800, 0x801, 0x900, 0xA00,
                           0xA01, 0xB00, 0xB01, 0xC00, 0xC01, 0xD00, 0xD01};

const Pair kHelp3[] = {
    {1, 2301},  {2, 2301},  {3, 2301},  {4, 2323},  {5, 2323},  {6, 2323},  {7, 2302},  {8, 2303},
    {9, 2304},  {10, 2305}, {11, 2306}, {12, 2308}, {13, 2309}, {14, 2312}, {15, 2313}, {16, 2320},
    {17, 2320}, {18, 2310}, {19, 2311}, {20, 2331}, {21, 2307}, {22, 2330}, {23, 2314}, {24, 2315},
    {25, 2315}, {26, 2316}, {27, 2317}, {28, 2332}, {29, 2321}, {30, 2322}, {31, 2322}, {32, 2321},
    {33, 2322}, {34, 2322}, {35, 2318}, {36, 2319}, {37, 2333}, {38, 2324}, {39, 2325}, {40, 2326},
    {41, 2327}, {42, 2334}, {46, 2320}, {47, 2329}, {48, 2328}, {49, 2301}, {52, 2335}};

const Pair kHelp5[] = {
    {1, 2501},  {2, 2501},  {3, 2501},  {4, 2502},  {5, 2523},  {6, 2523},  {7, 2523},  {8, 2503},
    {9, 2504},  {10, 2505}, {11, 2506}, {12, 2501}, {14, 2514}, {15, 2515}, {16, 2520}, {17, 2520},
    {18, 2511}, {19, 2512}, {20, 2513}, {21, 2507}, {22, 2508}, {23, 2516}, {25, 2517}, {26, 2521},
    {27, 2522}, {29, 2518}, {30, 2519}, {31, 2509}, {32, 2510}, {33, 2524}, {34, 2520}};

template <size_t N>
int lookup(const Pair (&table)[N], int32_t code) {
    const auto it = std::find_if(std::begin(table), std::end(table),
                                 [code](const Pair& p) { return p.first == code; });
    return it == std::end(table) ? 0 : it->second;
}

}  // namespace

const ErrorClassRows* ERROR_ClassRows(uint8_t deviceClass) {
    switch (deviceClass) {
        case dcKX3090:
            return &kRows1;
        case dcKX3024:
            return &kRows2;
        case dcKX3117:
            return &kRows3;
        case dcKX3141:
            return &kRows4;
        case dcKX3166:
            return &kRows5;
        default:
            return nullptr;
    }
}

int ERROR_HelpContext(uint8_t deviceClass, int32_t code) {
    switch (deviceClass) {
        case dcKX3090:
            return lookup(kHelp1, code);
        case dcKX3024: {
            const auto it = std::find(std::begin(kCodes2), std::end(kCodes2), code);
            return it == std::end(kCodes2) ? 0 : 2201 + static_cast<int>(it - std::begin(kCodes2));
        }
        case dcKX3117:
            return lookup(kHelp3, code);
        case dcKX3141:
            if (code == 1) return 2401;
            if (code == 51 || code == 52 || code == 55) return 2451;
            if (code >= 2 && code <= 59) return 2400 + code;
            return 0;
        case dcKX3166:
            return lookup(kHelp5, code);
        default:
            return 0;
    }
}
