#pragma once
#include <QByteArray>
#include <QString>
#include <zip.h>

// One part of a zip package (a .docx), empty when it is not there.
inline QByteArray partezip(const QString& file, const char* nome)
{
    int e = 0;
    zip_t* z = zip_open(file.toLocal8Bit().constData(), ZIP_RDONLY, &e);
    if (!z)
        return {};
    QByteArray r;
    zip_stat_t st;
    if (zip_stat(z, nome, 0, &st) == 0) {
        if (zip_file_t* f = zip_fopen(z, nome, 0)) {
            r.resize(qsizetype(st.size));
            if (zip_fread(f, r.data(), st.size) != zip_int64_t(st.size))
                r.clear();
            zip_fclose(f);
        }
    }
    zip_close(z);
    return r;
}
