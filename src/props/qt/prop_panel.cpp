#include "props/qt/prop_panel.h"

#include "text/qt/cp1251.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QWheelEvent>

namespace lumeris {

namespace {

constexpr int BarTops[3] = {22, 41, 60};
constexpr int KnobHeight = 13;

QFont arial12() {
    QFont font("Arial");
    font.setPixelSize(12);
    return font;
}

QLineEdit* flatEdit(QWidget* parent, const char* name, QRect place, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFrame(false);
    edit->setGeometry(place);
    edit->setReadOnly(readOnly);
    edit->setFont(arial12());
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QString translated(const char* text) {
    return QCoreApplication::translate("Panel", text);
}

// `text` and `hint` are translated; symbols and key names come back as they are.
QToolButton* toolButton(QWidget* parent, const char* name, const char* text, const char* hint,
                        QRect place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(translated(text));
    if (*hint)
        button->setToolTip(translated(hint));
    button->setGeometry(place);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font = button->font();
    font.setPixelSize(9);
    button->setFont(font);
    return button;
}

void paintBar(QWidget& w) {
    QPainter painter(&w);
    const int mid = w.height() / 2;
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(4, mid - 1, w.width() - 5, mid - 1);
    painter.setPen(Qt::white);
    painter.drawLine(4, mid, w.width() - 5, mid);
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    for (int x = 5; x < w.width() - 4; x += 25)
        painter.drawLine(x, mid + 3, x, mid + 5);
}

void paintKnob(QWidget& w) {
    QPainter painter(&w);
    painter.fillRect(w.rect(), QColor(0xD4, 0xD0, 0xC8));
    painter.setPen(Qt::white);
    painter.drawLine(0, 0, w.width() - 1, 0);
    painter.drawLine(0, 0, 0, w.height() - 1);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(w.width() - 1, 0, w.width() - 1, w.height() - 1);
    painter.drawLine(0, w.height() - 1, w.width() - 1, w.height() - 1);
}

void paintGrip(QWidget& w) {
    QPainter painter(&w);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    for (int i = 1; i < w.width(); i += 3)
        for (int j = 1; j < w.height(); j += 3)
            painter.drawPoint(i, j);
}

} // namespace

TfrmProp::TfrmProp(QWidget* parent) : QFrame(parent, Qt::FramelessWindowHint) {
    setObjectName("frmProp");
    setFixedWidth(PanelWidth);
    resize(PanelWidth, ItemPanelHeight);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
    createControls();
    hide();
}

void TfrmProp::createControls() {
    ePropName = flatEdit(this, "ePropName", {5, 5, 111, 16}, false);
    QPalette names = ePropName->palette();
    names.setColor(QPalette::Base, QColor(0xF8, 0xF8, 0xF0));
    ePropName->setPalette(names);
    iDrag = new PointerArea(this, paintGrip);
    iDrag->setObjectName("iDrag");
    iDrag->setGeometry(118, 5, 11, 11);
    iDrag->setCursor(Qt::SizeAllCursor);

    const char* const barNames[3] = {"iRunnerBar1", "iRunnerBar2", "iRunnerBar3"};
    const char* const knobNames[3] = {"iRunner1", "iRunner2", "iRunner3"};
    const char* const hints[3] = {
        QT_TRANSLATE_NOOP("Panel", "Текущее значение, меняет колесиком мыши"),
        QT_TRANSLATE_NOOP("Panel", "Логика объединения значений входов"),
        QT_TRANSLATE_NOOP("Panel", "Фиксированное значение")};
    for (int i = 0; i < 3; ++i) {
        iRunnerBar[i] = new PointerArea(this, paintBar);
        iRunnerBar[i]->setObjectName(barNames[i]);
        iRunnerBar[i]->setGeometry(BarLeft, BarTops[i], BarWidth, 19);
        iRunnerBar[i]->setToolTip(translated(hints[i]));
        iRunnerBar[i]->setMouseTracking(true);
        iRunner[i] = new PointerArea(this, paintKnob);
        iRunner[i]->setObjectName(knobNames[i]);
        iRunner[i]->setGeometry(BarLeft + 1, BarTops[i] + 3, KnobWidth, KnobHeight);
        iRunner[i]->setToolTip(translated(hints[i]));
    }
    // Narrowed like ePropCustom below it, to leave room for the watch button.
    ePropValue = flatEdit(this, "ePropValue", {68, 25, 45, 16}, true);
    tbWatch = toolButton(this, "tbWatch", "~", "", {114, 23, 14, 18});
    tbWatch->setToolTip(tr("Следить за значением на графике"));
    tbWatch->setCheckable(true);
    ePropErr = flatEdit(this, "ePropErr", {68, 44, 59, 16}, true);
    ePropCustom = flatEdit(this, "ePropCustom", {68, 63, 45, 16}, false);
    iCb = new PointerArea(this, [this](QWidget& w) {
        QPainter painter(&w);
        painter.fillRect(w.rect(), checkLook_ == PanelState::Check::Pressed
                                       ? QColor(0xC0, 0xC0, 0xC0)
                                       : QColor(Qt::white));
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(0, 0, w.width() - 1, w.height() - 1);
        if (checkLook_ == PanelState::Check::Ticked) {
            painter.setPen(QPen(Qt::black, 2));
            painter.drawPolyline(QPolygon({{3, 6}, {5, 9}, {9, 3}}));
        }
    });
    iCb->setObjectName("iCb");
    iCb->setGeometry(115, 64, 12, 12);

    panItem = new QWidget(this);
    panItem->setObjectName("panItem");
    panItem->setGeometry(4, 82, 124, 69);
    ePropWww = flatEdit(panItem, "ePropWww", {1, 3, 78, 16}, false);
    SpeedButton1 = toolButton(panItem, "SpeedButton1", "...", "", {80, 0, 21, 22});
    sbOpenUrl = toolButton(panItem, "sbOpenUrl", "→", QT_TRANSLATE_NOOP("Panel", "Открыть файл"),
                           {102, 0, 21, 22});
    const char* const logicNames[5] = {"tbLogicBoolean", "tbLogicReal", "tbLogicFuzzy",
                                       "tbLogicFlag", "tbProjection"};
    // The letters stand for the hints' words: real, fuzzy, tracing, viewpoint.
    const char* const logicTexts[5] = {
        "01", QT_TRANSLATE_NOOP("Panel", "R"), QT_TRANSLATE_NOOP("Panel", "F"),
        QT_TRANSLATE_NOOP("Panel", "T"), QT_TRANSLATE_NOOP("Panel", "V")};
    const char* const logicHints[5] = {QT_TRANSLATE_NOOP("Panel", "Двоичная логика (-1=нет,1=да)"),
                                       QT_TRANSLATE_NOOP("Panel", "Вероятность (-1..0..+1)"),
                                       QT_TRANSLATE_NOOP("Panel", "Не объединять значения входов"),
                                       QT_TRANSLATE_NOOP("Panel", "Трассировка"),
                                       QT_TRANSLATE_NOOP("Panel", "Точка зрения")};
    auto* logic = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        tbarLogic[i] =
            toolButton(panItem, logicNames[i], logicTexts[i], logicHints[i], {i * 24, 23, 23, 22});
        tbarLogic[i]->setCheckable(true);
        logic->addButton(tbarLogic[i]);
    }
    tbarPoint[0] = toolButton(panItem, "tbDeleteItem", "Del", "", {0, 46, 23, 22});
    tbarPoint[1] = toolButton(panItem, "ToolButton2", "F5",
                              QT_TRANSLATE_NOOP("Panel", "Создать копию (F5)"), {24, 46, 23, 22});
    tbarPoint[2] = toolButton(panItem, "ToolButton3", "F6",
                              QT_TRANSLATE_NOOP("Panel", "Разделить точку на вход и выход (F6)"),
                              {48, 46, 23, 22});
    tbPhoto = toolButton(panItem, "tbPhoto", QT_TRANSLATE_NOOP("Panel", "Pic"),
                         QT_TRANSLATE_NOOP("Panel", "Рисунок"), {72, 46, 23, 22});
    tbPhoto->setCheckable(true);
    tbText = toolButton(panItem, "tbText", QT_TRANSLATE_NOOP("Panel", "Txt"),
                        QT_TRANSLATE_NOOP("Panel", "Комментарий"), {96, 46, 23, 22});

    // Moved over the second and third bars: 2 pixels above ePropErr.
    panLink = new QWidget(this);
    panLink->setObjectName("panLink");
    panLink->setGeometry(2, 42, 126, 28);
    panLink->setAutoFillBackground(true);
    tbarLink[0] = toolButton(panLink, "tbDeleteLink", "Del", "", {2, 2, 23, 22});
    tbConvertLinkToItem =
        toolButton(panLink, "tbConvertLinkToItem", "•",
                   QT_TRANSLATE_NOOP("Panel", "Преобразовать в точку"), {26, 2, 23, 22});
    tbarLink[1] = toolButton(panLink, "ToolButton1", "1",
                             QT_TRANSLATE_NOOP("Panel", "Объединить точки входа и выхода  в одну"),
                             {50, 2, 23, 22});
    panLink->hide();

    Button1 = new QPushButton("CR", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(8, 185, 23, 15);
    Button1->setFocusPolicy(Qt::NoFocus);
}

void TfrmProp::bind(PropsRun runner, const PanelActions& actions, UserDialogs* dialogs,
                    PictureLoader* pictures) {
    run_ = std::move(runner);
    connect(ePropName, &QLineEdit::textEdited, this, [this](const QString& text) {
        name_ = toCp1251(text);
        run([&](Props& p) { ePropNameChange(p, name_); });
    });
    connect(ePropWww, &QLineEdit::textEdited, this, [this](const QString& text) {
        www_ = toCp1251(text);
        run([&](Props& p) { ePropWwwChange(p, www_); });
    });
    connect(ePropCustom, &QLineEdit::textEdited, this, [this](const QString& text) {
        custom_ = toCp1251(text);
        run([&](Props& p) { ePropCustomChange(p, custom_); });
    });
    for (int i = 0; i < 3; ++i) {
        iRunnerBar[i]->onDown = [this, i](int x, int) {
            run([&](Props& p) { iRunnerBar1MouseDown(p, i, x); });
        };
        iRunnerBar[i]->onMove = [this, i](int x, int) {
            run([&](Props& p) { iRunnerBar1MouseMove(p, i, x); });
        };
        iRunnerBar[i]->onUp = [this](int, int) { run(iRunnerBar1MouseUp); };
        iRunner[i]->onDown = [this, i](int x, int) {
            run([&](Props& p) { iRunner1MouseDown(p, i, x); });
        };
        iRunner[i]->onMove = [this, i](int x, int) {
            run([&](Props& p) { iRunner1MouseMove(p, i, x); });
        };
        iRunner[i]->onUp = [this](int, int) { run(iRunner1MouseUp); };
    }
    iCb->onDown = [this](int, int) { run(iCbMouseDown); };
    iCb->onUp = [this](int, int) { run(iCbMouseUp); };
    iDrag->onDown = [this](int x, int y) { run([&](Props& p) { iDragMouseDown(p, x, y); }); };
    iDrag->onMove = [this](int x, int y) { run([&](Props& p) { iDragMouseMove(p, x, y); }); };
    iDrag->onUp = [this](int, int) { run(iDragMouseUp); };

    const std::uint8_t types[5] = {TypeBoolean, TypeReal, TypeFuzzy, TypeFlag, TypeProjection};
    for (int i = 0; i < 5; ++i)
        connect(tbarLogic[i], &QToolButton::clicked, this,
                [this, type = types[i]] { run([&](Props& p) { SetLogicType(p, type); }); });
    connect(tbPhoto, &QToolButton::clicked, this, [this, dialogs, pictures](bool down) {
        if (dialogs)
            run([&](Props& p) { tbPhotoClick(p, down, *dialogs, pictures); });
    });
    connect(tbText, &QToolButton::clicked, this, [this] { run(tbTextClick); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this, dialogs] {
        if (dialogs)
            run([&](Props& p) { SpeedButton1Click(p, *dialogs); });
    });
    connect(tbConvertLinkToItem, &QToolButton::clicked, this,
            [this] { run(tbConvertLinkToItemClick); });
    connect(Button1, &QPushButton::clicked, this, [this] { run(ePropNameEnter); });
    if (actions.openAddress)
        connect(sbOpenUrl, &QToolButton::clicked, this, actions.openAddress);
    if (actions.watchItem)
        connect(tbWatch, &QToolButton::clicked, this, actions.watchItem);

    const std::pair<QToolButton*, QAction*> bound[] = {{tbarPoint[0], actions.aDelete},
                                                       {tbarPoint[1], actions.aClone},
                                                       {tbarPoint[2], actions.aSplit},
                                                       {tbarLink[0], actions.aDelete},
                                                       {tbarLink[1], actions.aUnite}};
    for (auto [button, action] : bound) {
        if (!action)
            continue;
        if (button->toolTip().isEmpty())
            button->setToolTip(action->toolTip());
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    }
}

void TfrmProp::showWatched(bool watched) {
    if (tbWatch->isChecked() != watched)
        tbWatch->setChecked(watched);
}

void TfrmProp::run(const PropsHandler& handler) const {
    if (run_)
        run_(handler);
}

void TfrmProp::setText(QLineEdit* edit, std::string& shown, const std::string& text) {
    if (shown == text)
        return;
    shown = text;
    edit->setText(fromCp1251(text));
}

void TfrmProp::showState(const PanelState& state) {
    const QRect place(state.Left, state.Top, PanelWidth, state.Height);
    if (geometry() != place)
        setGeometry(place);
    if (panItem->isVisibleTo(this) != state.ItemMode) {
        panItem->setVisible(state.ItemMode);
        panLink->setVisible(!state.ItemMode);
        if (!state.ItemMode)
            panLink->raise();
        tbWatch->setVisible(state.ItemMode);
    }
    setText(ePropName, name_, state.Name);
    setText(ePropValue, value_, state.ValueText);
    setText(ePropErr, andOr_, state.AndOrText);
    setText(ePropCustom, custom_, state.CustomText);
    setText(ePropWww, www_, state.Www);
    for (int i = 0; i < 3; ++i)
        if (iRunner[i]->x() != state.KnobLeft[i])
            iRunner[i]->move(state.KnobLeft[i], BarTops[i] + 3);
    if (checkLook_ != state.CheckLook) {
        checkLook_ = state.CheckLook;
        iCb->update();
    }
    const int types[5] = {TypeBoolean, TypeReal, TypeFuzzy, TypeFlag, TypeProjection};
    for (int i = 0; i < 5; ++i)
        if (tbarLogic[i]->isChecked() != (state.LogicType == types[i]))
            tbarLogic[i]->setChecked(state.LogicType == types[i]);
    if (tbPhoto->isChecked() != state.PhotoDown)
        tbPhoto->setChecked(state.PhotoDown);
    if (sbOpenUrl->isEnabled() != state.OpenUrlEnabled)
        sbOpenUrl->setEnabled(state.OpenUrlEnabled);
    if (isVisible() != state.Visible)
        setVisible(state.Visible);
}

bool TfrmProp::customFocused() const {
    return ePropCustom->hasFocus();
}

void TfrmProp::focusName() {
    ePropName->setFocus();
}

void TfrmProp::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (const int delta = event->angleDelta().y())
        run([&](Props& p) { FormMouseWheel(p, delta); });
}

// Enter anywhere in the panel acts as Enter in the name field; Esc there restores the name.
// No key goes on to the main window, whose keys make items.
void TfrmProp::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        run(ePropNameEnter);
    else if (event->key() == Qt::Key_Escape && ePropName->hasFocus())
        run(ePropNameEscape);
}

// A white line on the left and top, a 2-pixel dark line on the right and bottom.
void TfrmProp::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, Qt::white);
    painter.fillRect(0, 0, 1, height(), Qt::white);
    painter.fillRect(width() - 2, 0, 2, height(), QColor(0x40, 0x40, 0x40));
    painter.fillRect(0, height() - 2, width(), 2, QColor(0x40, 0x40, 0x40));
}

} // namespace lumeris
