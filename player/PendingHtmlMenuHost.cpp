// Stand-in for the HTML menu until its browser host lands: no host, so an
// HTML menu reports its base file missing and closes. Removed when the real
// CreateHtmlMenuHost is added.
#include "AutorunDlg.h"

std::unique_ptr<IHtmlMenuHost> CreateHtmlMenuHost(CAutorunDlg&, CSettingsHtml&, const std::string&) { return nullptr; }
