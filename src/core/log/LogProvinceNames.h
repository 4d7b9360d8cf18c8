#pragma once
// The province names a QSO log shows beside each code, taken from the province table.

namespace zelkor {

class LogList;
class ProvinceTable;

// Sets the "Provincia" column of every QSO row from the table (capitalised; empty for an
// unknown code), after the table has changed. An SWL log shows no names and is left alone.
void RefreshProvinceNames(LogList& log, const ProvinceTable& provinces);

}  // namespace zelkor
