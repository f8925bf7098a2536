#pragma once
// Sets of places 0, 1, 2, ... as bits: place i is bit i % 64 of block i / 64.

#include <cstddef>
#include <cstdint>

namespace anagrove {

// The blocks a set of count places takes.
[[nodiscard]] constexpr std::size_t BitBlocks(std::size_t count) {
    return (count + 63) / 64;
}

// A set laid over blocks that someone else owns.
class BitSet {
  public:
    explicit BitSet(std::uint64_t* blocks) : blocks_(blocks) {}
    void Mark(std::size_t place) { blocks_[place / 64] |= Bit(place); }
    void Clear(std::size_t place) { blocks_[place / 64] &= ~Bit(place); }

  private:
    static constexpr std::uint64_t Bit(std::size_t place) {
        return std::uint64_t{1} << (place % 64);
    }
    std::uint64_t* blocks_;
};

} // namespace anagrove
