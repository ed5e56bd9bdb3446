#pragma once
// The password the installer chose, kept scrambled in the binary and unscrambled only when sent.

#include <QByteArray>

QByteArray savedPassword();
