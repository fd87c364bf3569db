#pragma once

#include "app/Dialogs.h"
#include "data/RuntimeError.h"

#include <vector>

// Dialogs answered by the test: every report is kept.
class FakeDialogs : public Dialogs {
public:
    void reportError(QWidget*, const RuntimeError& error) override { errors.push_back(error); }

    std::vector<RuntimeError> errors;
};
