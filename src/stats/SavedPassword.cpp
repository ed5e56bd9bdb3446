#include "SavedPassword.h"

#include "SavedPassword.inc"

QByteArray savedPassword()
{
    // The key stream is computed at run time so that the compiler cannot fold the plain text
    // back into the binary.
    volatile unsigned keyStart = 0xA7;
    QByteArray password(static_cast<qsizetype>(kScrambledPasswordLength), Qt::Uninitialized);
    for (unsigned i = 0; i < kScrambledPasswordLength; ++i)
        password[i] = static_cast<char>(kScrambledPassword[i] ^ ((keyStart + i * 0x3D) % 256));
    return password;
}
