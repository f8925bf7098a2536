#pragma once
// The alphabet the tile fuzz targets read with: Spanish and Catalan tiles
// together (CH, LL, RR, L·L with its aliases, NY, QU beside Q), accents folded,
// ß as two tiles.

namespace anagrove::fuzz {

inline constexpr const char* kMixedAlphabet =
    "language xx\nname Mixed\nblank 2\n"
    "tile A a 1 1\ntile C c 1 1\ntile CH ch 1 1\ntile E e 1 1\n"
    "tile H h 1 1\ntile L l 1 1\ntile LL ll 1 1\n"
    "tile L·L l·l 1 1 l.l ŀl\ntile N n 1 1\ntile NY ny 1 1\n"
    "tile Ñ ñ 1 1\ntile Q q 1 1\ntile QU qu 1 1\ntile R r 1 1\n"
    "tile RR rr 1 1\ntile S s 1 1\ntile U u 1 1\n"
    "case Ŀ ŀ\nfold É é e\nfold ẞ ß ss\n";

} // namespace anagrove::fuzz
