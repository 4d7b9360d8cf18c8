#pragma once
// Shows the LogList in item views. It holds no rows of its own: every call reads the log, and
// the log's signals become the model's begin/end notifications.

#include <QAbstractTableModel>

namespace zelkor {

class LogList;

class LogTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit LogTableModel(LogList& log, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index,
                                int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void ConnectLog();
    static QVariant Alignment(int column);

    LogList& m_log;
};

}  // namespace zelkor
