#pragma once
// A burn platform that answers from a script instead of the computer's
// writers (Wine has no image mastering library), and records what the
// engines did with it. The script is shared between the test, the dialog's
// thread and the burn's worker, so everything in it is read and written
// under its mutex.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "BurnPlatform.h"

struct ScriptedWriter {
    std::string uniqueId = "\\\\?\\scsi#cdrom&ven_scripted#1";
    std::vector<std::string> volumes{"E:\\"};
    std::string product = "DVD-RW Scripted 100";
    std::vector<int> supportedTypes{1, 2, 3, 4, 6, 9};
    int mediaType = 2;             // CD-R
    std::string exclusiveOwner;    // another program holding the drive
    HRESULT writeResult = S_OK;
    std::vector<WriteProgress> events;  // sent during the write, in order
};

struct BurnScript {
    std::mutex mutex;
    // Version 2, unless modern is false (then version 1 answers).
    bool modern = true;
    bool supportedEnvironment = true;
    std::vector<ScriptedWriter> writers;
    // Called on the worker after each write event was answered; the event's
    // index and whether the dialog said to go on.
    std::function<void(std::size_t index, bool goOn)> afterEvent;
    // Version 1.
    std::vector<LegacyRecorderInfo> legacyRecorders;
    HRESULT legacyRecordResult = S_OK;

    // What the engines did.
    std::string lockedBy;
    int releases = 0;
    int ejects = 0;
    bool forcedClosed = false;
    std::string volumeName;
    std::string addedTree;
    bool wrote = false;
    bool recorded = false;
    std::vector<std::string> recordedNames;  // version 1: the storage's streams, "folder/name"
};

std::unique_ptr<IBurnPlatform> MakeScriptedPlatform(std::shared_ptr<BurnScript> script);
