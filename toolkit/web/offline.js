// Registers the site's service worker, which keeps the site for play
// without a network. Named relative to the page, it serves this copy of
// the site wherever it lies.
if ('serviceWorker' in navigator) {
  window.addEventListener('load', function () {
    navigator.serviceWorker.register('sw.js').catch(function (error) {
      console.warn('Duplimo will need the network: no service worker.', error);
    });
  });
}
