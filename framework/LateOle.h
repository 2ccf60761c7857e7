#pragma once
// The OLE functions the programs call, with the OLE libraries loaded only
// when one of them is first needed: a disc that shows a message box or a
// menu of bitmaps never pays for loading them at start. Each behaves as the
// platform's function of the same name; without the library it fails (or
// does nothing) as the platform's would on bad input.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace wingui::ole {

// OLE for the program's user-interface thread, the thread that called
// SetUiThread; started at the first call there and ended by
// EndUiThreadOle. Other threads are left as they are.
void SetUiThread();
bool EnsureUiThreadOle();
void EndUiThreadOle();

HRESULT CreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId, void** object);
HRESULT StreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream);
HRESULT SetContainedObject(IUnknown* object, BOOL contained);
HRESULT LoadPicture(IStream* stream, LONG size, BOOL runMode, REFIID interfaceId, void** picture);
BSTR AllocStringLen(const OLECHAR* text, UINT length);
void FreeString(BSTR text);
void InitVariant(VARIANTARG* value);
HRESULT ClearVariant(VARIANTARG* value);

}  // namespace wingui::ole
