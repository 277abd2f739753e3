#ifndef DES_BLOCK_H
#define DES_BLOCK_H

// DES on single 64-bit blocks: one key, two keys (E K1, D K2, E K1) or three
// keys (E K1, D K2, E K3).  Bits are held one per byte so every step reads
// like the standard's tables; speed is no concern at one block per press.
//
// The round keys live in one shared table, so these functions are for one
// thread only (the GUI thread).

// Permutation and selection tables, 1-based bit positions.
extern const unsigned char IP_Table[64];
extern const unsigned char IPR_Table[64];
extern const unsigned char E_Table[48];
extern const unsigned char PC1_Table[56];
extern const unsigned char Move_Table[16];
extern const unsigned char PC2_Table[48];
extern const unsigned char S_Box[8][4][16];
extern const unsigned char P_Table[32];

// Round keys of the last key scheduled, one bit per byte.
extern unsigned char SubKey_Table[16][48];

// Bit helpers; a "bit array" holds one bit (0 or 1) per byte.
void BitsCopy(unsigned char *dst, const unsigned char *src, int count);
// Most significant bit of each byte first.
void ByteToBit(unsigned char *bits, const unsigned char *bytes, int n);
void BitToByte(unsigned char *bytes, const unsigned char *bits, int n);
// out[i] = in[table[i] - 1]; out and in may be the same array; n <= 256.
void TablePermute(unsigned char *out, const unsigned char *in, const unsigned char *table, int n);
// Rotates the first len bits left by shift places (shift <= 10).
void LoopMove(unsigned char *bits, int len, int shift);
void Xor(unsigned char *a, const unsigned char *b, int count);
void S_Change(unsigned char out[32], const unsigned char in[48]);
void F_Change(unsigned char R[32], const unsigned char K[48]);

// Cipher core on the round keys in SubKey_Table.
void Set_One_DES_64bitKey(const unsigned char key[8]);
void DES_Encrypt_Block(const unsigned char in[8], unsigned char out[8]);
void DES_Decode_Block(const unsigned char in[8], unsigned char out[8]);

// Block operations: the 8-byte block is changed in place.  With a chaining
// value each call is one CBC step and leaves the chaining value ready for
// the next block (it then equals the ciphertext); without one it is a plain
// ECB block.  A null key (or block) does nothing.  Keys are 8, 16 or 24
// bytes; the low bit of each key byte (parity) is ignored.
void One_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
void One_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
void Two_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
void Two_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
void Three_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
void Three_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);

#endif // DES_BLOCK_H
