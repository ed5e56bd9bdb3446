// The database name as the configuration file gives it: taken apart into server, path and
// protocol, the path checked, and the attach parameter block built for user name and password.

#include "BresolanError.h"
#include "ConnectionSettings.h"
#include "FuzzCheck.h"
#include "ParameterBlocks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include <QByteArray>
#include <QString>

namespace {

QString textFrom(FuzzedDataProvider &input)
{
    const std::string bytes = input.ConsumeRandomLengthString(20000);
    // Either decoding: UTF-8 reaches every plane, Latin-1 every byte as one character.
    return input.ConsumeBool() ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                               : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

void checkNameParts(const QString &name)
{
    ConnectionSettings settings;
    settings.setDatabaseName(name);
    const QString protocol = settings.protocol();
    fuzz::check(protocol.isEmpty() || protocol == QLatin1String("TCP/IP") || protocol == QLatin1String("NETBEUI")
                    || protocol == QLatin1String("NOVELL"),
                "the protocol is one of the four", protocol);

    // Every form but the UNC one is cut at one separator and so reads back as it was set.
    if (protocol != QLatin1String("NETBEUI"))
        fuzz::check(settings.databaseName() == name, "the name reads back as set", name.left(200));
    else
        fuzz::check(settings.databaseName().startsWith(QLatin1String("\\\\")), "a UNC name starts with \\\\");

    if (protocol.isEmpty()) {
        fuzz::check(settings.path() == name, "a local name is the path");
        fuzz::check(settings.server() == QLatin1String("127.0.0.1"), "a local name keeps the server");
    }

    try {
        checkConnectionPath(settings.path());
    } catch (const BresolanError &error) {
        fuzz::check(error.message() == QLatin1String("Invalid connection path"), "the path check's text",
                    error.message());
    }
}

// Reads the attach block back item by item; the texts must be the ones given.
void checkAttachBlock(const QByteArray &userName, const QByteArray &password)
{
    const QByteArray wantedUser = userName.trimmed();
    QByteArray block;
    try {
        block = buildAttachParameterBlock(userName, password);
    } catch (const BresolanError &error) {
        fuzz::check(error.message() == QLatin1String("Invalid DPB: Contents over 255 characters"),
                    "the parameter block's text", error.message());
        fuzz::check(wantedUser.size() > 255 || password.size() > 255, "only an item over 255 bytes is refused");
        return;
    }
    fuzz::check(wantedUser.size() <= 255 && password.size() <= 255, "an item over 255 bytes is refused");
    fuzz::check(!block.isEmpty() && block.at(0) == 1, "the block starts with version 1");

    QByteArray readUser;
    QByteArray readPassword;
    qsizetype at = 1;
    while (at < block.size()) {
        fuzz::check(block.size() - at >= 2, "an item has its code and length");
        const char code = block.at(at);
        const auto length = static_cast<unsigned char>(block.at(at + 1));
        fuzz::check(block.size() - at - 2 >= length, "an item lies within the block");
        const QByteArray text = block.mid(at + 2, length);
        fuzz::check(length > 0, "empty items are left out");
        if (code == 28)
            readUser = text;
        else if (code == 29)
            readPassword = text;
        else
            fuzz::fail("only user name and password items");
        at += 2 + length;
    }
    fuzz::check(readUser == wantedUser, "the user name item holds the trimmed name");
    fuzz::check(readPassword == password, "the password item holds the password");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString name = textFrom(input);
    const std::string userName = input.ConsumeRandomLengthString(400);
    const std::string password = input.ConsumeRemainingBytesAsString();

    checkNameParts(name);
    checkAttachBlock(QByteArray(userName.data(), qsizetype(userName.size())),
                     QByteArray(password.data(), qsizetype(password.size())));
    return 0;
}
