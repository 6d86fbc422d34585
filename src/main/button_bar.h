#pragma once

class QFrame;
class QWidget;

// The strip of buttons along the top of a master-data page; the page's
// actions go into it, so hiding it leaves the page for viewing only.
QFrame *makeButtonBar(QWidget *page, const char *name);
