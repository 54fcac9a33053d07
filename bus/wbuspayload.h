// Writes the parameters of a W-Bus request into its payload with the field codec: one byte
// (field type 8), big-endian words of 16 and 32 bits (20, 22) and raw bytes from a Text.
#pragma once

#include <cstdint>
#include <optional>

#include "fieldcodec.h"
#include "records.h"

class WBusPayloadWriter {
public:
    WBusPayloadWriter(const TParamlist& params, ByteString& out) : m_params(params), m_out(out) {}
    void byte(uint8_t b) { m_out.push_back(static_cast<char>(b)); }
    void u8(int k) { field(8, k); }
    void be16(int k) { field(20, k); }
    void be32(int k) { field(22, k); }
    void text(int k) { m_out += param(k).Text; }

private:
    const TResult& param(int k) const { return m_params[static_cast<size_t>(k)]; }
    void field(TFieldTypeCode code, int k) {
        TOOL_EncodeField(code, param(k), std::nullopt, m_out);
    }

    const TParamlist& m_params;
    ByteString& m_out;
};
