#pragma once

#include <QString>

// The two fixed lists the "lista" buttons of the certificate form show: "LISTA", the heading,
// an empty line, then "    <number>. <item>" per item; every line ends with CR LF. The codes
// typed on a certificate are these item numbers.
QString EmergencyListText();
QString InfectiousDiseaseListText();
