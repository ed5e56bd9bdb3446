#include "ParameterBlocks.h"

#include "BresolanError.h"

namespace {

constexpr char kDpbVersion1 = 1;
constexpr char kDpbUserName = 28;
constexpr char kDpbPassword = 29;

constexpr char kTpbVersion3 = 3;
constexpr char kTpbNoWait = 7;
constexpr char kTpbRead = 8;
constexpr char kTpbWrite = 9;
constexpr char kTpbReadCommitted = 15;
constexpr char kTpbRecordVersion = 17;

void appendItem(QByteArray &block, char code, const QByteArray &text)
{
    if (text.isEmpty())
        return;
    if (text.size() > 255)
        throw BresolanError(QStringLiteral("Invalid DPB: Contents over 255 characters"));
    block.append(code);
    block.append(static_cast<char>(static_cast<unsigned char>(text.size())));
    block.append(text);
}

} // namespace

QByteArray buildAttachParameterBlock(const QByteArray &userName, const QByteArray &password)
{
    QByteArray block(1, kDpbVersion1);
    appendItem(block, kDpbUserName, userName.trimmed());
    appendItem(block, kDpbPassword, password);
    return block;
}

QByteArray buildTransactionParameterBlock(bool databaseReadOnly)
{
    QByteArray block;
    block.append(kTpbVersion3);
    block.append(databaseReadOnly ? kTpbRead : kTpbWrite);
    block.append(kTpbReadCommitted);
    block.append(kTpbRecordVersion);
    block.append(kTpbNoWait);
    return block;
}
