#ifndef OPENSSL_DES_H
#define OPENSSL_DES_H

// OpenSSL's DES as the reference: single DES sits in the legacy provider.
#include <QByteArray>
#include <openssl/evp.h>
#include <openssl/provider.h>

namespace kesptest {

inline bool loadOpenSslDes()
{
    static const bool loaded = OSSL_PROVIDER_load(nullptr, "legacy") && OSSL_PROVIDER_load(nullptr, "default");
    return loaded;
}

// Whole blocks, padding off; "" on any OpenSSL failure.
inline QByteArray evpDes(const char *cipherName, const QByteArray &key, const QByteArray &iv,
                         const QByteArray &data, bool encrypt)
{
    QByteArray out;
    EVP_CIPHER *cipher = EVP_CIPHER_fetch(nullptr, cipherName, nullptr);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    int len = 0;
    out.resize(data.size() + 16);
    const auto *k = reinterpret_cast<const unsigned char *>(key.constData());
    const auto *v = iv.isEmpty() ? nullptr : reinterpret_cast<const unsigned char *>(iv.constData());
    if (cipher && ctx && EVP_CipherInit_ex2(ctx, cipher, k, v, encrypt ? 1 : 0, nullptr)
        && EVP_CIPHER_CTX_set_padding(ctx, 0)
        && EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char *>(out.data()), &len,
                            reinterpret_cast<const unsigned char *>(data.constData()), int(data.size()))) {
        out.resize(len);
    } else {
        out.clear();
    }
    EVP_CIPHER_CTX_free(ctx);
    EVP_CIPHER_free(cipher);
    return out;
}

} // namespace kesptest

#endif // OPENSSL_DES_H
