#include "wording/qt/shown_text.h"

#include <QCoreApplication>

namespace lumeris {

QString shown(const UserText& text) {
    if (text.context().empty())
        return QString::fromStdString(text.plain());
    const QString wording =
        QCoreApplication::translate(text.context().c_str(), text.source().c_str());
    return QString::fromStdString(fillIn(wording.toStdString(), text.args()));
}

} // namespace lumeris
