#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The CRC-32 of zlib and PNG (polynomial 0xEDB88320), for telling a record that was written whole from
// one that a crash or a power cut cut short.
quint32 crc32(QByteArrayView bytes);
