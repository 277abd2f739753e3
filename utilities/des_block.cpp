#include "utilities/des_block.h"

#include <cstring>

// Tables as printed in FIPS 46-3.

const unsigned char IP_Table[64] = {
    58, 50, 42, 34, 26, 18, 10, 2, 60, 52, 44, 36, 28, 20, 12, 4,
    62, 54, 46, 38, 30, 22, 14, 6, 64, 56, 48, 40, 32, 24, 16, 8,
    57, 49, 41, 33, 25, 17, 9,  1, 59, 51, 43, 35, 27, 19, 11, 3,
    61, 53, 45, 37, 29, 21, 13, 5, 63, 55, 47, 39, 31, 23, 15, 7};

const unsigned char IPR_Table[64] = {
    40, 8, 48, 16, 56, 24, 64, 32, 39, 7, 47, 15, 55, 23, 63, 31,
    38, 6, 46, 14, 54, 22, 62, 30, 37, 5, 45, 13, 53, 21, 61, 29,
    36, 4, 44, 12, 52, 20, 60, 28, 35, 3, 43, 11, 51, 19, 59, 27,
    34, 2, 42, 10, 50, 18, 58, 26, 33, 1, 41, 9,  49, 17, 57, 25};

const unsigned char E_Table[48] = {
    32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,
    8,  9,  10, 11, 12, 13, 12, 13, 14, 15, 16, 17,
    16, 17, 18, 19, 20, 21, 20, 21, 22, 23, 24, 25,
    24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1};

const unsigned char PC1_Table[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
    10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
    14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};

const unsigned char Move_Table[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

const unsigned char PC2_Table[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10,
    23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48,
    44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};

const unsigned char S_Box[8][4][16] = {
    {{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
     {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
     {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
     {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
    {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
     {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
     {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
     {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
    {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
     {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
     {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
     {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
    {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
     {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
     {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
     {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
    {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
     {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
     {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
     {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
    {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
     {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
     {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
     {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
    {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
     {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
     {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
     {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
    {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
     {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
     {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
     {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}}};

const unsigned char P_Table[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25};

unsigned char SubKey_Table[16][48];

void BitsCopy(unsigned char *dst, const unsigned char *src, int count)
{
    if (count > 0)
        std::memmove(dst, src, size_t(count));
}

void ByteToBit(unsigned char *bits, const unsigned char *bytes, int n)
{
    for (int i = 0; i < n * 8; ++i)
        bits[i] = (bytes[i / 8] >> (7 - i % 8)) & 1;
}

void BitToByte(unsigned char *bytes, const unsigned char *bits, int n)
{
    if (n <= 0)
        return;
    std::memset(bytes, 0, size_t(n));
    for (int i = 0; i < n * 8; ++i)
        bytes[i / 8] |= (bits[i] & 1) << (7 - i % 8);
}

void TablePermute(unsigned char *out, const unsigned char *in, const unsigned char *table, int n)
{
    // Through a copy, so a permutation may write over its own input.
    unsigned char tmp[256];
    if (n > 256)
        n = 256;
    for (int i = 0; i < n; ++i)
        tmp[i] = in[table[i] - 1];
    BitsCopy(out, tmp, n);
}

void LoopMove(unsigned char *bits, int len, int shift)
{
    unsigned char out[10];
    if (shift <= 0 || shift > 10 || shift > len)
        return;
    BitsCopy(out, bits, shift);
    BitsCopy(bits, bits + shift, len - shift);
    BitsCopy(bits + len - shift, out, shift);
}

void Xor(unsigned char *a, const unsigned char *b, int count)
{
    for (int i = 0; i < count; ++i)
        a[i] ^= b[i];
}

void S_Change(unsigned char out[32], const unsigned char in[48])
{
    for (int g = 0; g < 8; ++g) {
        const unsigned char *b = in + 6 * g;
        const int row = 2 * b[0] + b[5];
        const int column = 8 * b[1] + 4 * b[2] + 2 * b[3] + b[4];
        const unsigned char value = S_Box[g][row][column];
        for (int k = 0; k < 4; ++k)
            out[4 * g + k] = (value >> (3 - k)) & 1;
    }
}

void F_Change(unsigned char R[32], const unsigned char K[48])
{
    unsigned char expanded[48];
    unsigned char chosen[32];
    TablePermute(expanded, R, E_Table, 48);
    Xor(expanded, K, 48);
    S_Change(chosen, expanded);
    TablePermute(R, chosen, P_Table, 32);
}

void Set_One_DES_64bitKey(const unsigned char key[8])
{
    unsigned char bits[64];
    unsigned char cd[56];
    ByteToBit(bits, key, 8);
    TablePermute(cd, bits, PC1_Table, 56);
    for (int i = 0; i < 16; ++i) {
        LoopMove(cd, 28, Move_Table[i]);
        LoopMove(cd + 28, 28, Move_Table[i]);
        TablePermute(SubKey_Table[i], cd, PC2_Table, 48);
    }
}

static void runRounds(const unsigned char in[8], unsigned char out[8], bool decrypt)
{
    unsigned char bits[64];
    unsigned char *L = bits;
    unsigned char *R = bits + 32;
    ByteToBit(bits, in, 8);
    TablePermute(bits, bits, IP_Table, 64);
    for (int i = 0; i < 16; ++i) {
        unsigned char oldR[32];
        BitsCopy(oldR, R, 32);
        F_Change(R, SubKey_Table[decrypt ? 15 - i : i]);
        Xor(R, L, 32);
        BitsCopy(L, oldR, 32);
    }
    // The halves trade places after the last round: R comes first.
    unsigned char joined[64];
    BitsCopy(joined, R, 32);
    BitsCopy(joined + 32, L, 32);
    TablePermute(joined, joined, IPR_Table, 64);
    BitToByte(out, joined, 8);
}

void DES_Encrypt_Block(const unsigned char in[8], unsigned char out[8])
{
    runRounds(in, out, false);
}

void DES_Decode_Block(const unsigned char in[8], unsigned char out[8])
{
    runRounds(in, out, true);
}

namespace {

struct Stage
{
    int keyOffset;
    bool encrypt;
};

template <int N>
void encryptStages(unsigned char *iv, unsigned char *block, const unsigned char *key, const Stage (&stages)[N])
{
    if (!key || !block)
        return;
    if (iv)
        for (int i = 0; i < 8; ++i)
            block[i] ^= iv[i];
    for (const Stage &s : stages) {
        // Every stage schedules its own key: the round-key table is shared.
        Set_One_DES_64bitKey(key + s.keyOffset);
        if (s.encrypt)
            DES_Encrypt_Block(block, block);
        else
            DES_Decode_Block(block, block);
    }
    if (iv)
        std::memcpy(iv, block, 8);
}

template <int N>
void decodeStages(unsigned char *iv, unsigned char *block, const unsigned char *key, const Stage (&stages)[N])
{
    if (!key || !block)
        return;
    unsigned char cipher[8];
    std::memcpy(cipher, block, 8);
    for (const Stage &s : stages) {
        Set_One_DES_64bitKey(key + s.keyOffset);
        if (s.encrypt)
            DES_Encrypt_Block(block, block);
        else
            DES_Decode_Block(block, block);
    }
    if (iv) {
        for (int i = 0; i < 8; ++i)
            block[i] ^= iv[i];
        std::memcpy(iv, cipher, 8);
    }
}

const Stage kOneEncrypt[] = {{0, true}};
const Stage kOneDecode[] = {{0, false}};
const Stage kTwoEncrypt[] = {{0, true}, {8, false}, {0, true}};
const Stage kTwoDecode[] = {{0, false}, {8, true}, {0, false}};
const Stage kThreeEncrypt[] = {{0, true}, {8, false}, {16, true}};
const Stage kThreeDecode[] = {{16, false}, {8, true}, {0, false}};

} // namespace

void One_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    encryptStages(iv, block, key, kOneEncrypt);
}

void One_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    decodeStages(iv, block, key, kOneDecode);
}

void Two_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    encryptStages(iv, block, key, kTwoEncrypt);
}

void Two_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    decodeStages(iv, block, key, kTwoDecode);
}

void Three_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    encryptStages(iv, block, key, kThreeEncrypt);
}

void Three_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    decodeStages(iv, block, key, kThreeDecode);
}
