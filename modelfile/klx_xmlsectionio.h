#pragma once
// What every section reader and transfer shares, whether it walks a table
// or is written out: reports, skipping, value conversion and checks, and the
// copy into the facade that reports a value the store did not keep.
#include <QLatin1String>
#include <QString>

#include "modelfile/klx_xmlsections.h"

class KLX_DataBaseManager;
class KLX_XMLTextWriter;
class QXmlStreamReader;

namespace KLX_XMLIO {
void Report(unsigned code, const QString& text);
void Report(unsigned code, const char* text);
// Reports the element the reader stands on and skips it with its children;
// after the first hundred of a read the rest are only counted.
void Skip(QXmlStreamReader* r, unsigned code, const char* text);
// The count of skipped elements, started anew by each read.
int StartSkipCount();
int SkipCount();
// The element's text, children skipped.
QString Text(QXmlStreamReader* r);
// The element's text converted and checked as the field says; a text that
// fails is reported with the field's report. False also on a damaged file.
bool ReadField(QXmlStreamReader* r, const KLX_XMLField& f, int* value);
// How a field's value is written.
QString Number(const KLX_XMLField& f, int value);
// A value the store did not keep as given: what it holds instead.
void ReportReplaced(QLatin1String prefix, int unit, int sub, const QString& field, const QString& value,
                    const QString& stored);
// The check of a value a section reads by hand, without an accessor.
inline KLX_XMLField Field(const char* name, KLX_XMLCheck check, bool isUnsigned, unsigned code, const char* text,
                          int max = 0) {
  return {QLatin1String(name), check, isUnsigned, max, code, text, nullptr};
}
// Writes one value into the facade (never sent) and reports it when the
// store keeps another.
void Copy(KLX_DataBaseManager* db, QLatin1String prefix, const KLX_XMLField& f, int unit, int sub, int value);
// Writes a voice ("language<tab>name") as "VLanguage" and "VoiceName". One
// without both halves is "None", in the voice store's `slot` as in the file.
void WriteVoice(KLX_XMLTextWriter* w, KLX_DataBaseManager* db, int slot, const QString& params);
}  // namespace KLX_XMLIO
