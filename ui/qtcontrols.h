// The dialog helpers' control interfaces over Qt widgets.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QTreeWidget>

#include "dialoghelpers.h"
#include "qtports.h"

class QtLineEdit : public IEditControl {
public:
    explicit QtLineEdit(QLineEdit* e) : m_e(e) {}
    ByteString text() const override { return fromQ(m_e->text()); }
    void setText(const ByteString& t) override { m_e->setText(toQ(t)); }
    void setFocus() override { m_e->setFocus(); }
    bool isEnabled() const override { return m_e->isEnabled(); }
    void setEnabled(bool on) override { m_e->setEnabled(on); }
    void setWindowBackground(bool window) override {
        QPalette p = m_e->palette();
        p.setColor(QPalette::Base,
                   m_e->palette().color(window ? QPalette::Base : QPalette::Button));
        m_e->setPalette(window ? QPalette() : p);
    }

private:
    QLineEdit* m_e;
};

class QtComboEdit : public IEditControl {
public:
    explicit QtComboEdit(QComboBox* c) : m_c(c) {}
    ByteString text() const override { return fromQ(m_c->currentText()); }
    void setText(const ByteString& t) override {
        if (m_c->isEditable())
            m_c->setEditText(toQ(t));
        else if (t.empty())
            m_c->setCurrentIndex(-1);
        else
            m_c->setCurrentText(toQ(t));
    }
    void setFocus() override { m_c->setFocus(); }
    bool isEnabled() const override { return m_c->isEnabled(); }
    void setEnabled(bool on) override { m_c->setEnabled(on); }
    void setWindowBackground(bool window) override {
        QPalette p = m_c->palette();
        p.setColor(QPalette::Base, p.color(window ? QPalette::Base : QPalette::Button));
        m_c->setPalette(window ? QPalette() : p);
    }

private:
    QComboBox* m_c;
};

// A list view with a caption and two sub-items per row.
class QtListView : public IListControl {
public:
    explicit QtListView(QTreeWidget* t) : m_t(t) {}
    int rowCount() const override { return m_t->topLevelItemCount(); }
    ByteString cell(int row, int column) const override {
        auto* it = m_t->topLevelItem(row);
        return it ? fromQ(it->text(column)) : ByteString();
    }
    void setCell(int row, int column, const ByteString& text) override {
        if (auto* it = m_t->topLevelItem(row)) it->setText(column, toQ(text));
    }
    void appendRow(const ByteString& c, const ByteString& s1, const ByteString& s2) override {
        m_t->addTopLevelItem(new QTreeWidgetItem(QStringList{toQ(c), toQ(s1), toQ(s2)}));
    }
    void deleteRow(int row) override { delete m_t->takeTopLevelItem(row); }

private:
    QTreeWidget* m_t;
};
