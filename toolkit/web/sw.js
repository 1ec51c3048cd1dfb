// Keeps the site for play without a network: every file of it is cached
// on install and served from the cache first. The build fills in the files
// and their digest, which names the cache, so that a changed site is
// fetched anew and its old cache removed. A new version takes over at
// once, so that the next load of the page is the new site; a page that was
// open meanwhile loads only card pictures more.
'use strict';

const files = [@SITE_FILES@];
// Another copy of the site elsewhere on the origin keeps caches of its own.
const prefix = 'duplimo ' + self.registration.scope + ' ';
const name = prefix + '@SITE_DIGEST@';

self.addEventListener('install', function (event) {
  event.waitUntil(caches.open(name).then(function (cache) {
    return cache.addAll(files.map(function (file) { return new Request(file, { cache: 'reload' }); }));
  }).then(function () { return self.skipWaiting(); }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (old) { return old.startsWith(prefix) && old !== name; })
      .map(function (old) { return caches.delete(old); }));
  }).then(function () { return self.clients.claim(); }));
});

self.addEventListener('fetch', function (event) {
  if (event.request.method !== 'GET')
    return;
  // A link to the page may carry a query of its own.
  const page = event.request.mode === 'navigate';
  event.respondWith(caches.open(name)
    .then(function (cache) { return cache.match(event.request, { ignoreSearch: page }); })
    .then(function (kept) { return kept || fetch(event.request); }));
});
