#pragma once

#include "platform/ConnectionCheck.h"
#include "platform/FileDialog.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QStringList>

// Answers prompts from a queue and records what was asked.
class FakeInputBox final : public InputBox {
public:
    QStringList answers;
    QStringList prompts;
    QString lastTitle;

    QString ask(const QString& prompt, const QString& title, const QString&) override {
        prompts << prompt;
        lastTitle = title;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

class FakeMessageBox final : public MessageBox {
public:
    QStringList titles;
    QStringList texts;
    QStringList informations;

    void showWarning(const QString& title, const QString& text) override {
        titles << title;
        texts << text;
    }
    void showInformation(const QString& title, const QString& text) override {
        titles << title;
        informations << text;
    }
    // Answers questions from the queue; no when it is empty.
    QList<bool> answers;
    QStringList questions;
    bool confirm(const QString& title, const QString& text) override {
        titles << title;
        questions << text;
        return !answers.isEmpty() && answers.takeFirst();
    }
};

// Answers file choices from queues; an empty queue is a cancel.
class FakeFileDialog final : public FileDialog {
public:
    QStringList toOpen;
    QStringList toSave;
    QStringList asked;

    QString openFile(const QString& title, const QString&) override {
        asked << title;
        return toOpen.isEmpty() ? QString() : toOpen.takeFirst();
    }
    QString saveFile(const QString& title, const QString&, const QString&) override {
        asked << title;
        return toSave.isEmpty() ? QString() : toSave.takeFirst();
    }
};

class FakeShell final : public Shell {
public:
    QStringList edited;
    QStringList opened;

    void openInEditor(const QString& path) override { edited << path; }
    void openAddress(const QString& address) override { opened << address; }
};

class FakeConnection final : public ConnectionCheck {
public:
    bool online = false;
    int asked = 0;
    bool signalling = false; // whether changed() follows every change

    bool isOnline() override {
        ++asked;
        return online;
    }
    bool signalsChanges() const override { return signalling; }
    void set(bool on) {
        const bool change = on != online;
        online = on;
        if (change && signalling)
            emit changed();
    }
};
