# cmake -DPCH=<file> -P PrecompiledChecksum.cmake: writes <file>.sum, the
# precompiled header's hash, which ccache reads instead of hashing the
# header itself (150 to 220 MB) for every file compiled with it.
file(SHA1 "${PCH}" checksum)
file(WRITE "${PCH}.sum.new" "${checksum}\n")
file(RENAME "${PCH}.sum.new" "${PCH}.sum")
