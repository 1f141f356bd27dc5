// SPDX-License-Identifier: MIT
#include "windows/lookup_window_design.h"

using design::rect;

const LookupWindowDesign kForm1Design = {
    .windowName = "Form1",
    .caption = "CODE2NAME - BY TOVRAMEK",
    .clientSize = {design::pixels(5775), design::pixels(2310)},
    .frameName = "Frame1",
    .frameGeometry = rect(0, 0, 5775, 2295),
    .inputLabel = {"Label1", "INSERT  ICAO CODE", rect(120, 240, 3255, 375), Qt::AlignLeft},
    .outputLabel = {"Label2", "DISPLAY AIRPORT NAME", rect(120, 720, 5535, 375), Qt::AlignHCenter},
    .input = {"Text1", rect(3600, 240, 1575, 405), 12, 4, 5},
    .output = {"Text2", rect(120, 1080, 5535, 405), 9.75, 250, 4},
    .buttons = {{{"Command1", "SEARCH", rect(120, 1680, 1335, 495), 3},
                 {"Command2", "DELETE", rect(1560, 1680, 1215, 495), 2},
                 {"Command3", "RETURN", rect(2880, 1680, 1335, 495), 1},
                 {"Command4", "EXIT", rect(4320, 1680, 1335, 495), 8}}},
    .lookup = &icao::codeToName,
};

const LookupWindowDesign kForm2Design = {
    .windowName = "Form2",
    .caption = "NAME2CODE - BY TOVRAMEK",
    .clientSize = {design::pixels(5910), design::pixels(2325)},
    .frameName = "Frame2",
    .frameGeometry = rect(0, 0, 5895, 2295),
    .inputLabel = {"Label3", "INSERT AIRPORT NAME", rect(120, 240, 5655, 375), Qt::AlignHCenter},
    .outputLabel = {"Label4", "DISPLAY  ICAO CODE", rect(120, 1200, 3375, 375), Qt::AlignLeft},
    .input = {"Text3", rect(120, 600, 5655, 405), 9.75, 250, 2},
    .output = {"Text4", rect(3600, 1200, 1575, 405), 12, 4, 1},
    .buttons = {{{"Command1", "SEARCH", rect(120, 1680, 1335, 495), 6},
                 {"Command2", "DELETE", rect(1560, 1680, 1335, 495), 7},
                 {"Command3", "RETURN", rect(3000, 1680, 1335, 495), 8},
                 {"Command4", "EXIT", rect(4440, 1680, 1335, 495), 3}}},
    .lookup = &icao::nameToCode,
};
