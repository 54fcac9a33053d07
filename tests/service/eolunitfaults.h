// Simulated units that report less about their EOL memory than the real ones do.
#pragma once

#include "kx3090unit.h"
#include "kx3166unit.h"

// A class-5 unit that refuses to tell the sizes of its memory areas (message 153).
class KX3166WithoutAreaSizes : public SimKX3166Unit {
public:
    KX3166WithoutAreaSizes() {
        on(153, [](const ByteString&) -> std::optional<ByteString> {
            return negative(RefusedParameter, 153);
        });
    }
};

// A class-1 unit that refuses to describe its memory areas (0x38): the checksum cell and the
// area it sums stay unknown.
class KX3090WithoutAreas : public SimKX3090Unit {
protected:
    std::optional<ByteString> answerPayload(const ByteString& request) override {
        if (!request.empty() && static_cast<uint8_t>(request[0]) == 0x38) return refusal(0x38);
        return SimKX3090Unit::answerPayload(request);
    }
};
