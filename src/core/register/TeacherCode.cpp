// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherCode.h"

#include <QList>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

constexpr char Tag[] = "tramolo-codice";
constexpr char Method[] = "pbkdf2-sha256";
constexpr int SaltBytes = 16;
// A code file may come from anywhere: no more work than a few seconds.
constexpr int MostIterations = 1'000'000;

} // namespace

QByteArray TeacherCode::pbkdf2(const QByteArray &password, const QByteArray &salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    char index[4];
    qToBigEndian<quint32>(1, index);
    mac.addData(salt);
    mac.addData(index, 4);
    QByteArray u = mac.result();
    QByteArray out = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype b = 0; b < out.size(); ++b)
            out[b] = char(out[b] ^ u[b]);
    }
    return out;
}

TeacherCode TeacherCode::make(const QString &code)
{
    TeacherCode made;
    made.salt.resize(SaltBytes);
    QRandomGenerator::system()->generate(made.salt.begin(), made.salt.end());
    made.hash = pbkdf2(code.toUtf8(), made.salt, made.iterations);
    return made;
}

bool TeacherCode::matches(const QString &code) const
{
    const QByteArray tried = pbkdf2(code.toUtf8(), salt, iterations);
    // Compared in full whatever differs, so that the time says nothing.
    unsigned char differs = tried.size() != hash.size();
    for (qsizetype i = 0; i < std::min(tried.size(), hash.size()); ++i)
        differs |= static_cast<unsigned char>(tried[i] ^ hash[i]);
    return differs == 0;
}

QString TeacherCode::fileName()
{
    return QStringLiteral("codice-insegnante.txt");
}

QByteArray TeacherCode::toText() const
{
    return QByteArray(Tag) + ';' + Method + ';' + QByteArray::number(iterations) + ';' + salt.toBase64() + ';'
           + hash.toBase64() + '\n';
}

std::optional<TeacherCode> TeacherCode::fromText(const QByteArray &text)
{
    const QList<QByteArray> parts = text.trimmed().split(';');
    if (parts.size() != 5 || parts[0] != Tag || parts[1] != Method)
        return std::nullopt;
    bool ok = false;
    TeacherCode code;
    code.iterations = parts[2].toInt(&ok);
    const auto salt = QByteArray::fromBase64Encoding(parts[3], QByteArray::AbortOnBase64DecodingErrors);
    const auto hash = QByteArray::fromBase64Encoding(parts[4], QByteArray::AbortOnBase64DecodingErrors);
    if (!ok || code.iterations < 1 || code.iterations > MostIterations || !salt || !hash || salt.decoded.isEmpty()
        || hash.decoded.size() != 32)
        return std::nullopt;
    code.salt = *salt;
    code.hash = *hash;
    return code;
}
