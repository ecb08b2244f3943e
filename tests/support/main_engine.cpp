#include <gtest/gtest.h>

#include <QGuiApplication>

#include "imaging/image_library.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The tests live in a folder of their own, not beside the metafile reader.
    if (qEnvironmentVariableIsEmpty("MONTORA_WMF_READER"))
        qputenv("MONTORA_WMF_READER", MONTORA_WMF_READER_PATH);
    QGuiApplication app(argc, argv);
    montora::ImageLibrary::initialise(argv[0]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
