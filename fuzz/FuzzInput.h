// Reading a fuzz input as a stream of choices: each call takes what it needs from the front;
// an exhausted input answers zeros, so every input decodes to something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kesta::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return size_ == 0; }

    std::uint8_t Byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }

    // A number in [0, n).
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : Byte() % n; }

    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }

    // Up to `most` bytes taken as they are.
    std::string Bytes(std::size_t most) {
        std::string taken;
        for (std::size_t n = Below(most + 1); n > 0 && size_ > 0; --n)
            taken += static_cast<char>(Byte());
        return taken;
    }

    double Double() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// A failed check is a crash for the fuzzer and for the replay.
inline void Check(bool ok) {
    if (!ok) std::abort();
}

} // namespace kesta::fuzz
