// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's one window.
//
// How a pick travels: the user picks an entry in a list; the list raises Change,
// which the window description binds to the handler that bears the list's name
// (ComboBox12 -> ComboBox12Change). The handler looks the list up by its number in
// the table of the window's lists (WindowLists.h), which says what a change of it
// does. (The model lists of the families added since the window description was
// drawn are made from that table when their family is first picked, and their
// Change goes straight to the same lookup.) A
// cascade list (vendor, family, series) shows the next list and hides its
// siblings. A figure list turns its selected index into one number, stores it in
// `power`, and RefreshDisplay recomputes every figure once and writes the grand
// total and that category's subtotal, with their working, from what it computed.
// The converter (Button1Click) works on its own two fields; once it has given a
// line's power, the window compares it with the total after every pick and every
// conversion.

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "Breakdown.h"
#include "Category.h"
#include "PowerState.h"
#include "Working.h"

class QAction;
class QMenu;
class TComboBox;
namespace Ui {
class TForm1;
}
namespace window {
struct Cascade;
struct ListRow;
}  // namespace window

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

public slots:
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void ComboBox6Change();
    void ComboBox7Change();
    void ComboBox8Change();
    void ComboBox9Change();
    void ComboBox10Change();
    void ComboBox11Change();
    void ComboBox12Change();
    void ComboBox13Change();
    void ComboBox14Change();
    void ComboBox15Change();
    void ComboBox16Change();
    void ComboBox17Change();
    void ComboBox18Change();
    void ComboBox19Change();
    void ComboBox20Change();
    void ComboBox21Change();
    void ComboBox22Change();
    void ComboBox23Change();
    void ComboBox24Change();
    void ComboBox25Change();
    void ComboBox26Change();
    void ComboBox27Change();
    void ComboBox28Change();
    void ComboBox29Change();
    void ComboBox30Change();
    void ComboBox31Change();
    void ComboBox32Change();
    void ComboBox33Change();
    void ComboBox34Change();
    void ComboBox35Change();
    void ComboBox36Change();
    void ComboBox37Change();
    void ComboBox38Change();
    void ComboBox39Change();
    void ComboBox40Change();
    void ComboBox41Change();
    void ComboBox42Change();
    void ComboBox43Change();
    void ComboBox44Change();
    void ComboBox45Change();
    void ComboBox46Change();
    void ComboBox47Change();
    void ComboBox48Change();
    void ComboBox49Change();
    void ComboBox50Change();
    void ComboBox51Change();
    void ComboBox52Change();
    void ComboBox53Change();
    void ComboBox54Change();
    void ComboBox55Change();
    void ComboBox56Change();
    void ComboBox57Change();
    void ComboBox58Change();
    void ComboBox59Change();
    void ComboBox60Change();
    void ComboBox61Change();
    void ComboBox62Change();
    void ComboBox63Change();
    void ComboBox64Change();
    void ComboBox65Change();
    void ComboBox66Change();
    void ComboBox67Change();
    void ComboBox68Change();
    void ComboBox69Change();
    void ComboBox70Change();
    void Label16Click();
    void Button1Click();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FillLists();
    TComboBox* ListAt(int number) const;
    void ShowModelList(int number);
    void ListChanged(int number);
    void SwitchVendor(const window::ListRow& row);
    void ShowFamily(const window::ListRow& row);
    void StoreFigure(const window::ListRow& row);
    void RefreshDisplay(Category category);
    void CopyReport();
    void ShowSupplyCheck();
    void ShowContextMenu(QWidget* target, QPoint at, bool fromKeyboard);

    std::unique_ptr<Ui::TForm1> ui;
    PowerState power;
    // What the last refresh computed; nothing before the first, while every
    // figure shows 0 W.
    std::optional<Breakdown> figures;
    PickedRows picked;
    // Each list by its number, ComboBox1 at 1; a model list not yet made is null.
    std::vector<TComboBox*> lists;
    QAction* developers = nullptr;  // shows or hides the developers panel, as Label16 does
    QMenu* menu = nullptr;          // the window's context menu from every control; none until first opened
    // What the converter showed last; none until a conversion has succeeded.
    std::optional<std::int64_t> linePower;
};

extern TForm1* Form1;
