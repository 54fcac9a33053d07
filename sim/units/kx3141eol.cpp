// The class-4 unit's EOL memory as the parameter-set transfer and the EOL cell reach it:
// message 151 reads (address, count) and writes (address, count, the bytes). Reads past the
// end of the memory come back short and are refused from its end on; a write must lie inside.
#include "kx3141unit.h"
#include "simbytes.h"

using namespace SimBytes;

std::optional<ByteString> SimKX3141Unit::eolService(const ByteString& p) {
    if (p.size() <= 3) return memoryRead(151, eolMemory(), p);
    const size_t address = le16At(p, 0), count = at(p, 2);
    if (count == 0 || p.size() != 3 + count) return negative(RefusedParameter, 151);
    if (address + count > m_eol.size()) return negative(RefusedAddress, 151);
    m_eol.replace(address, count, p.substr(3));
    return reply(151, p);
}
