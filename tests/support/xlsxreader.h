// Reads a saved workbook back with an independent reader (openpyxl).
#pragma once

#include <QJsonArray>
#include <QString>

// One object per worksheet: {"name": ..., "cells": {"A1": [value, "number"|"text"]}}.
// Empty when the file could not be read.
QJsonArray readWorkbook(const QString &path);
