#pragma once
// Logs for the progress tests: contacts given by date, time, band, mode and province, the other
// columns filled as the entry row would.

#include "core/log/LogList.h"

#include <QString>

#include <ostream>
#include <string>
#include <vector>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zelkor::test {

struct Contact {
    std::string date;
    std::string time;
    std::string band = "7";
    std::string mode = "SSB";
    std::string province = "MI";
};

inline void FillLog(LogList& log, const std::vector<Contact>& contacts, bool swl = false)
{
    log.BuildStartColumns();
    if (swl) {
        log.SetSwlColumns();
    }
    for (const Contact& c : contacts) {
        if (swl) {
            log.AppendLogRow({c.date, c.time, c.band, c.mode, "IK2AAA", "59", c.province, "I1XYZ"});
        } else {
            log.AppendLogRow(
                {c.date, c.time, c.band, c.mode, "I1XYZ", "59", "59", c.province, "Milano"});
        }
    }
}

// Contacts on one band and mode at the given "dd.mm.yyyy hhmm" moments.
inline std::vector<Contact> At(const std::vector<std::string>& moments)
{
    std::vector<Contact> contacts;
    for (const std::string& moment : moments) {
        contacts.push_back({moment.substr(0, 10), moment.substr(11)});
    }
    return contacts;
}

}  // namespace zelkor::test
