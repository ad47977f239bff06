#include "app/exchange_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace lumeris {

namespace {

QString what(const ExchangeError& error) {
    const QString detail = QString::fromStdString(error.detail);
    switch (error.fault) {
    case ExchangeFault::BadXml:
        return QCoreApplication::translate("Exchange", "файл не является правильным XML (%1)")
            .arg(detail);
    case ExchangeFault::NotGraphml:
        return QCoreApplication::translate("Exchange", "документ не в формате GraphML");
    case ExchangeFault::MissingNodeId:
        return QCoreApplication::translate("Exchange", "у вершины нет id");
    case ExchangeFault::DuplicateNodeId:
        return QCoreApplication::translate("Exchange", "вторая вершина с id \"%1\"").arg(detail);
    case ExchangeFault::MissingEdgeEnd:
        return QCoreApplication::translate("Exchange", "у ребра нет начала или конца");
    case ExchangeFault::UnknownNode:
        return QCoreApplication::translate("Exchange",
                                           "ребро ссылается на вершину \"%1\", которой нет в графе")
            .arg(detail);
    case ExchangeFault::UnclosedQuote:
        return QCoreApplication::translate("Exchange", "поле в кавычках не закрыто");
    case ExchangeFault::StrayQuote:
        return QCoreApplication::translate("Exchange",
                                           "кавычка внутри поля без кавычек или после закрывающей");
    case ExchangeFault::NoHeader:
        return QCoreApplication::translate("Exchange",
                                           "первая строка должна называть столбцы From и To");
    case ExchangeFault::MissingField:
        return QCoreApplication::translate("Exchange", "в строке нет поля From или To");
    case ExchangeFault::BadWeight:
        return QCoreApplication::translate("Exchange", "вес (Weight) не число");
    }
    return {};
}

} // namespace

QString importErrorText(const ExchangeError& error) {
    const QString where =
        error.column > 0
            ? QCoreApplication::translate("Exchange", "Ошибка в данных, строка %1, столбец %2: %3")
                  .arg(error.line)
                  .arg(error.column)
            : QCoreApplication::translate("Exchange", "Ошибка в данных, строка %1: %3")
                  .arg(error.line);
    return where.arg(what(error));
}

QString importNotesText(const ImportNotes& notes) {
    QStringList lines;
    if (notes.clamped)
        lines << QCoreApplication::translate("Exchange",
                                             "Числа вне допустимых пределов приведены к ним: %n",
                                             nullptr, notes.clamped);
    if (notes.notNumbers)
        lines << QCoreApplication::translate("Exchange", "Пропущены поля, где ожидалось число: %n",
                                             nullptr, notes.notNumbers);
    if (notes.nestedGraphs)
        lines << QCoreApplication::translate("Exchange", "Пропущены вложенные графы: %n", nullptr,
                                             notes.nestedGraphs);
    if (notes.hyperedges)
        lines << QCoreApplication::translate("Exchange", "Пропущены гиперрёбра: %n", nullptr,
                                             notes.hyperedges);
    return lines.join('\n');
}

} // namespace lumeris
