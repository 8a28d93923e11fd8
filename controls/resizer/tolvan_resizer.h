#ifndef TOLVAN_RESIZER_H
#define TOLVAN_RESIZER_H

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QVariantMap>
#include <QVector>

#if defined(TOLVAN_RESIZER_LIBRARY)
#define TOLVAN_RESIZER_EXPORT Q_DECL_EXPORT
#else
#define TOLVAN_RESIZER_EXPORT Q_DECL_IMPORT
#endif

class QWidget;

// Keeps the widgets of a window laid out by hand in proportion when the window is resized.
//
// The window creates one as its child before it is first shown. At that first show (the "load")
// the resizer records the geometry and font size of the window's widgets; from then on every
// resize that is not a minimisation sets them from the recorded values times the ratio of the
// window's current inner size to its size at load. Fonts follow the smaller of the two ratios.
// A widget with the dynamic property `Tag` set to "NO" is left alone, and so is a status bar
// docked to the window.
class TOLVAN_RESIZER_EXPORT Tolvan_Resizer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Fullscreen READ fullscreen WRITE setFullscreen)

public:
    explicit Tolvan_Resizer(QWidget* window);

    bool fullscreen() const { return m_fullscreen; }
    void setFullscreen(bool on) { m_fullscreen = on; }

    // The stored properties of the instance, as saved with its window.
    void readProperties(const QVariantMap& properties);
    QVariantMap writeProperties() const;

    bool isLoaded() const { return m_loaded; }
    int recordCount() const { return m_records.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Record
    {
        QPointer<QWidget> widget;
        bool hasGeometry = false;
        QRect geometry;
        qreal pointSize = 0; // 0 when the font is not sized in points
    };

    void load();
    void record();
    void recordTree(QWidget* parent);
    void rescale();
    void applyFullscreen(bool wasMaximised);
    QWidget* innerArea() const;

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_area;
    bool m_fullscreen = true;
    bool m_loaded = false;
    QSize m_initialSize;
    QVector<Record> m_records;
};

#endif // TOLVAN_RESIZER_H
