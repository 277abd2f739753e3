// The DES block library against OpenSSL: every form, both directions,
// random keys and blocks, and CBC chains with their chaining values.
#include "tests/support/test_base.h"
#include "tests/utilities/openssl_des.h"
#include "utilities/des_block.h"

#include <QRandomGenerator>
#include <QtTest>

using BlockOp = void (*)(unsigned char *, unsigned char *, const unsigned char *);
Q_DECLARE_METATYPE(BlockOp)

static QByteArray randomBytes(QRandomGenerator &rng, int n)
{
    QByteArray b(n, '\0');
    for (char &c : b)
        c = char(rng.bounded(256));
    return b;
}

static QByteArray run(BlockOp op, const QByteArray &key, QByteArray block, QByteArray *iv = nullptr)
{
    op(iv ? reinterpret_cast<unsigned char *>(iv->data()) : nullptr, reinterpret_cast<unsigned char *>(block.data()),
       reinterpret_cast<const unsigned char *>(key.constData()));
    return block;
}

class DesBlockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(kesptest::loadOpenSslDes()); }

    void forms_data()
    {
        QTest::addColumn<int>("keyLen");
        QTest::addColumn<QString>("ecb");
        QTest::addColumn<QString>("cbc");
        QTest::addColumn<BlockOp>("encrypt");
        QTest::addColumn<BlockOp>("decode");
        QTest::newRow("one key") << 8 << "DES-ECB" << "DES-CBC" << BlockOp(One_DES_IV_Encrypt_Block)
                                 << BlockOp(One_DES_IV_Decode_Block);
        QTest::newRow("two keys") << 16 << "DES-EDE-ECB" << "DES-EDE-CBC" << BlockOp(Two_DES_IV_Encrypt_Block)
                                  << BlockOp(Two_DES_IV_Decode_Block);
        QTest::newRow("three keys") << 24 << "DES-EDE3-ECB" << "DES-EDE3-CBC"
                                    << BlockOp(Three_DES_IV_Encrypt_Block) << BlockOp(Three_DES_IV_Decode_Block);
    }

    // ECB both ways on 10 000 random keys and blocks, folding in the FIPS
    // vector, all-equal keys (which must reduce to single DES), flipped
    // parity bits (which must change nothing) and the null key.
    void forms()
    {
        QFETCH(int, keyLen);
        QFETCH(QString, ecb);
        QFETCH(BlockOp, encrypt);
        QFETCH(BlockOp, decode);
        const QByteArray ecbName = ecb.toLatin1();
        QRandomGenerator rng(0x5EED0000u + quint32(keyLen));
        for (int i = 0; i < 10000; ++i) {
            QByteArray key = randomBytes(rng, keyLen);
            QByteArray block = randomBytes(rng, 8);
            if (i == 0) {
                key = QByteArray::fromHex("133457799BBCDFF1").repeated(keyLen / 8);
                block = QByteArray::fromHex("0123456789ABCDEF");
                QCOMPARE(run(encrypt, key, block).toHex().toUpper(), QByteArray("85E813540F0AB405"));
            }
            if (i % 10 == 1)
                key = key.left(8).repeated(keyLen / 8);

            const QByteArray cipher = run(encrypt, key, block);
            QCOMPARE(cipher, kesptest::evpDes(ecbName, key, {}, block, true));
            QCOMPARE(run(decode, key, cipher), block);
            QCOMPARE(run(decode, key, block), kesptest::evpDes(ecbName, key, {}, block, false));
            if (i % 10 == 1)
                QCOMPARE(cipher, kesptest::evpDes("DES-ECB", key.left(8), {}, block, true));

            if (i % 7 == 0) {
                QByteArray flipped = key;
                for (char &c : flipped)
                    if (rng.bounded(2))
                        c = char(c ^ 1);
                QCOMPARE(run(encrypt, flipped, block), cipher);
                QCOMPARE(run(decode, flipped, cipher), block);
            }
            if (i % 500 == 0) {
                QByteArray iv = randomBytes(rng, 8);
                const QByteArray ivBefore = iv;
                QByteArray same = block;
                encrypt(reinterpret_cast<unsigned char *>(iv.data()), reinterpret_cast<unsigned char *>(same.data()),
                        nullptr);
                decode(nullptr, reinterpret_cast<unsigned char *>(same.data()), nullptr);
                QCOMPARE(same, block);
                QCOMPARE(iv, ivBefore);
            }
        }
    }

    // 64-block CBC chains with random IVs, one call per block: after every
    // call the chaining value must equal that block's ciphertext.
    void cbcChains_data() { forms_data(); }
    void cbcChains()
    {
        QFETCH(int, keyLen);
        QFETCH(QString, cbc);
        QFETCH(BlockOp, encrypt);
        QFETCH(BlockOp, decode);
        QRandomGenerator rng(0xCBC00000u + quint32(keyLen));
        for (int chain = 0; chain < 50; ++chain) {
            const QByteArray key = randomBytes(rng, keyLen);
            const QByteArray iv0 = randomBytes(rng, 8);
            const QByteArray plain = randomBytes(rng, 64 * 8);
            const QByteArray expected = kesptest::evpDes(cbc.toLatin1(), key, iv0, plain, true);
            QCOMPARE(expected.size(), plain.size());

            QByteArray iv = iv0;
            QByteArray cipher;
            for (int b = 0; b < 64; ++b) {
                const QByteArray out = run(encrypt, key, plain.mid(b * 8, 8), &iv);
                QCOMPARE(out, expected.mid(b * 8, 8));
                QCOMPARE(iv, out);
                cipher += out;
            }
            iv = iv0;
            for (int b = 0; b < 64; ++b) {
                QCOMPARE(run(decode, key, cipher.mid(b * 8, 8), &iv), plain.mid(b * 8, 8));
                QCOMPARE(iv, cipher.mid(b * 8, 8));
            }
        }
    }
};

KESP_TEST_APPLESS_MAIN(DesBlockTest)
#include "tst_des_block.moc"
