// A string grid on a fresh form, for the grid's tests.
#pragma once

#include "platform/ui/control_fixture.h"
#include "stringgrid/BavGrid.h"

class StringGridTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(600, 400);
        grid = new TBavStringGrid(form);
        grid->SetParent(form);
    }
    TForm* form = nullptr;
    TBavStringGrid* grid = nullptr;
};
