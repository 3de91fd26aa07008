#include "model/sheet_data.h"

#include "calc/calculation.h"

namespace sheet {

SheetData::SheetData()
    : functions(builtinFunctions()),
      calc(std::make_unique<Calculation>(FormulaCells(cells, formulas), functions, maxCols, maxRows)) {
    Calculation::installFunctions(functions);
    resetOptions();
}

SheetData::~SheetData() = default;

void SheetData::resetOptions() {
    options.reset();
    for (int o : {kOptColHeaderShown, kOptRowHeaderShown, kOptAutoCalc, kOptRedraw, kOptFormulas, kOptVertScrollBar,
                  kOptHorzScrollBar, kOptColumnResize, kOptTabInSheet, kOptEnterInSheet})
        options.set(o);
}

}  // namespace sheet
