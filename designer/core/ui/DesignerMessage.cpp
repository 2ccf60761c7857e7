#include "DesignerMessage.h"

#include "MessageBox.h"
#include "MessageText.h"
#include "ResourceString.h"

int ShowDesignerMessage(HWND owner, UINT textId, UINT style, const std::vector<std::string>& arguments) {
    return wingui::ShowMessage(owner, FormatMessageText(wingui::LoadResourceString(textId), arguments), style);
}
